#include "platform/controls/Frame3D.h"

#include "platform/gdi/Gdi.h"
#include "platform/graphics/TCanvas.h"

void Frame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
    TPen* pen = Canvas.Pen();
    pen->SetWidth(1);
    pen->SetStyle(psSolid);
    for (int i = 0; i < Width && Rect.Width() > 0 && Rect.Height() > 0; ++i) {
        int right = Rect.right - 1;
        int bottom = Rect.bottom - 1;
        pen->SetColor(TopColor);
        Canvas.MoveTo(Rect.left, bottom);
        Canvas.LineTo(Rect.left, Rect.top);
        Canvas.LineTo(right, Rect.top);
        pen->SetColor(BottomColor);
        Canvas.LineTo(right, bottom);
        Canvas.LineTo(Rect.left - 1, bottom);
        Rect = TRect(Rect.left + 1, Rect.top + 1, Rect.right - 1, Rect.bottom - 1);
    }
}

void DrawCaption(TCanvas& Canvas, const std::string& Text, TFont* Font, TRect Rect,
                 unsigned Format) {
    Canvas.SetFont(Font);
    Canvas.Brush()->SetStyle(bsClear);
    DrawText(Canvas.Handle(), Text.c_str(), -1, &Rect, Format);
}
