#pragma once
// What the figure templates require of the painter they draw through.

#include "kiln/Graphics/Color.h"
#include "kiln/Graphics/Point.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/graphics/TRect.h"

#include <concepts>

namespace kiln {

// Copies the part sourceRect of a bitmap onto the surface with its top-left corner at (x, y),
// pixels replaced; erases a rectangle of the surface to the layer's background colour.
template <class Painter>
concept BitmapPainter = requires(Painter& painter, HBITMAP bitmap, const TRect& rect, int x) {
    painter.DrawBitmap(bitmap, rect, x, x);
    painter.Erase(rect);
};

// Fills and outlines rectangles, ellipses, rounded rectangles and closed polygons in one current
// colour, and tells the background colour of the layer it draws on.
template <class Painter>
concept ShapePainter = requires(Painter& painter, const Painter& constPainter, Color color,
                                const TRect& rect, int n, const Point* points) {
    painter.SetColor(color);
    painter.FillRect(rect);
    painter.FrameRect(rect);
    painter.FillEllipse(rect);
    painter.FrameEllipse(rect);
    painter.FillRoundRect(rect, n, n);
    painter.FrameRoundRect(rect, n, n);
    painter.FillPolygon(points, n);
    painter.FramePolygon(points, n);
    { constPainter.BackgroundColor() } -> std::convertible_to<Color>;
};

} // namespace kiln
