#pragma once
// What the figure templates require of the painter they draw through.

#include "platform/gdi/GdiHandles.h"
#include "platform/graphics/TRect.h"

namespace kiln {

// Copies the part sourceRect of a bitmap onto the surface with its top-left corner at (x, y),
// pixels replaced; erases a rectangle of the surface to the layer's background colour.
template <class Painter>
concept BitmapPainter = requires(Painter& painter, HBITMAP bitmap, const TRect& rect, int x) {
    painter.DrawBitmap(bitmap, rect, x, x);
    painter.Erase(rect);
};

} // namespace kiln
