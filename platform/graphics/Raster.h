#pragma once
// Drawing primitives on a surface with GDI's pixel rules:
// - Rectangles are half-open: (left, top, right, bottom) covers left <= x < right.
// - A shape's one-pixel outline runs along its outermost pixels: a rectangle's along
//   x = left and x = right - 1, y = top and y = bottom - 1. Ellipses and rounded rectangles
//   stay inside the same box. Without an outline the fill is one pixel smaller to the right
//   and at the bottom, as GDI's is with a null pen.
// - Lines leave out their last point; a polygon is closed back to its first point and is
//   filled in alternate (even-odd) mode, sampling each pixel at its top-left corner, so the
//   fill always meets the outline.
// - Everything is clipped to the clip rectangle and the surface, and costs no more than the
//   clipped area, whatever the coordinates.
// Outline and fill are painted with a binary raster operation, the fill first.

#include "platform/graphics/RasterOps.h"
#include "platform/graphics/Surface.h"
#include "platform/kernel/Types.h"

#include <climits>
#include <span>

struct Paint {
    uint32_t pixel = 0;
    int rop2 = kRop2CopyPen;
};

struct Stroke {
    Paint paint;
    int width = 1;
    // A wide outline drawn inside the shape's box instead of centred on its edge.
    bool insideFrame = false;
};

// A corner size that rounds the shape into an ellipse.
constexpr int kEllipseCorner = INT_MAX;

void FillRectangle(Surface& target, const RECT& clip, const RECT& rect, const Paint& paint);

void DrawLine(Surface& target, const RECT& clip, POINT from, POINT to, const Stroke& stroke);

// A rectangle (corners 0), rounded rectangle or ellipse (corners kEllipseCorner) in the box,
// which is ordered first. Either stroke or fill may be null.
void DrawRoundShape(Surface& target, const RECT& clip, RECT box, int cornerWidth, int cornerHeight,
                    const Stroke* stroke, const Paint* fill);

void DrawPolygon(Surface& target, const RECT& clip, std::span<const POINT> points,
                 const Stroke* stroke, const Paint* fill);
