#pragma once
// Shapes on a platform canvas, outline only or solid, and rectangle helpers. Each drawing
// helper leaves the canvas's pen, brush and copy mode as it found them and draws with the
// canvas's current pen width and style. An outline is in the pen colour over an untouched
// interior; a solid shape is filled with the brush and outlined in the brush colour.

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TRect.h"

namespace kiln {

void DrawRectFrame(TCanvas* canvas, const TRect& rect);
void FillRectSolid(TCanvas* canvas, const TRect& rect);
void DrawEllipseFrame(TCanvas* canvas, const TRect& bounds);
void FillEllipseSolid(TCanvas* canvas, const TRect& bounds);
// The corners are quarter ellipses of the given width and height.
void FillRoundRectSolid(TCanvas* canvas, const TRect& rect, int cornerWidth, int cornerHeight);
// Closed polygons through the count points.
void DrawPolygonFrame(TCanvas* canvas, const TPoint* points, int count);
void FillPolygonSolid(TCanvas* canvas, const TPoint* points, int count);

inline int RectWidth(const TRect& rect) {
    return rect.right - rect.left;
}
inline int RectHeight(const TRect& rect) {
    return rect.bottom - rect.top;
}
inline TRect MakeRect(int left, int top, int right, int bottom) {
    return TRect(left, top, right, bottom);
}

// Copies the source rectangle of the bitmap to the canvas with its top-left corner at (x, y),
// same size, as a plain source copy.
void CopyBitmapRect(TCanvas* canvas, int x, int y, TBitmap* bitmap, const TRect& source);

} // namespace kiln
