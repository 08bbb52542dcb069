#include "kiln/Graphics/CanvasHelpers.h"

namespace kiln {
namespace {

// Draws with a clear brush, restoring the brush style after.
template <class Draw> void Outline(TCanvas* canvas, Draw draw) {
    TBrushStyle style = canvas->Brush()->Style();
    canvas->Brush()->SetStyle(bsClear);
    draw();
    canvas->Brush()->SetStyle(style);
}

// Draws with the pen in the brush colour, restoring the pen colour after.
template <class Draw> void Solid(TCanvas* canvas, Draw draw) {
    TColor color = canvas->Pen()->Color();
    canvas->Pen()->SetColor(canvas->Brush()->Color());
    draw();
    canvas->Pen()->SetColor(color);
}

} // namespace

void DrawRectFrame(TCanvas* canvas, const TRect& rect) {
    Outline(canvas, [&] { canvas->Rectangle(rect); });
}

void FillRectSolid(TCanvas* canvas, const TRect& rect) {
    Solid(canvas, [&] { canvas->Rectangle(rect); });
}

void DrawEllipseFrame(TCanvas* canvas, const TRect& bounds) {
    Outline(canvas, [&] { canvas->Ellipse(bounds); });
}

void FillEllipseSolid(TCanvas* canvas, const TRect& bounds) {
    Solid(canvas, [&] { canvas->Ellipse(bounds); });
}

void FillRoundRectSolid(TCanvas* canvas, const TRect& rect, int cornerWidth, int cornerHeight) {
    Solid(canvas, [&] {
        canvas->RoundRect(rect.left, rect.top, rect.right, rect.bottom, cornerWidth, cornerHeight);
    });
}

// The canvas's Polygon takes the index of the last point.
void DrawPolygonFrame(TCanvas* canvas, const TPoint* points, int count) {
    Outline(canvas, [&] { canvas->Polygon(points, count - 1); });
}

void FillPolygonSolid(TCanvas* canvas, const TPoint* points, int count) {
    Solid(canvas, [&] { canvas->Polygon(points, count - 1); });
}

void CopyBitmapRect(TCanvas* canvas, int x, int y, TBitmap* bitmap, const TRect& source) {
    TCopyMode mode = canvas->CopyMode();
    canvas->SetCopyMode(cmSrcCopy);
    TRect dest(x, y, x + RectWidth(source), y + RectHeight(source));
    canvas->CopyRect(dest, bitmap->Canvas(), source);
    canvas->SetCopyMode(mode);
}

} // namespace kiln
