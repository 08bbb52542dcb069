#include "platform/graphics/TCanvas.h"

#include "platform/gdi/Gdi.h"
#include "platform/graphics/Blit.h"
#include "platform/graphics/Raster.h"
#include "platform/graphics/ScaledFont.h"
#include "platform/graphics/TGraphic.h"

#include <optional>
#include <vector>

namespace {

uint32_t PixelOf(TColor color) {
    return PixelFromColorRef(ColorToRGB(color) & 0xFFFFFF);
}

std::optional<Stroke> StrokeOf(const TPen& pen) {
    if (pen.Style() == psClear) {
        return std::nullopt;
    }
    return Stroke{Paint{PixelOf(pen.Color()), Rop2Of(pen.Mode())}, std::max(1, pen.Width()),
                  pen.Style() == psInsideFrame};
}

// Fills take the pen's raster operation too, as GDI applies one binary operation to both.
std::optional<Paint> FillOf(const TBrush& brush, const TPen& pen) {
    if (brush.Style() == bsClear) {
        return std::nullopt;
    }
    return Paint{PixelOf(brush.Color()), Rop2Of(pen.Mode())};
}

RECT Moved(const RECT& r, POINT by) {
    return {r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y};
}

} // namespace

TCanvas::TCanvas() : FPen(new TPen), FBrush(new TBrush), FFont(new TFont) {
    FFont->OnChange = [this](TObject*) { FFontValid = false; };
    FBrush->OnChange = [this](TObject*) { FBrushValid = false; };
}

TCanvas::~TCanvas() {
    if (FHandle) {
        DeleteDC(FHandle);
    }
}

void TCanvas::Changing() {
    if (OnChanging) {
        OnChanging(this);
    }
}

void TCanvas::Changed() {
    if (OnChange) {
        OnChange(this);
    }
}

void TCanvas::LineTo(int X, int Y) {
    Changing();
    DrawingTarget target = Target();
    if (auto stroke = StrokeOf(*FPen); stroke && target.surface) {
        POINT from{FPenPos.x + target.origin.x, FPenPos.y + target.origin.y};
        POINT to{X + target.origin.x, Y + target.origin.y};
        ::DrawLine(*target.surface, target.clip, from, to, *stroke);
    }
    FPenPos = TPoint(X, Y);
    Changed();
}

void TCanvas::DrawShape(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight) {
    Changing();
    DrawingTarget target = Target();
    if (target.surface) {
        auto stroke = StrokeOf(*FPen);
        auto fill = FillOf(*FBrush, *FPen);
        DrawRoundShape(*target.surface, target.clip, Moved(RECT{X1, Y1, X2, Y2}, target.origin),
                       CornerWidth, CornerHeight, stroke ? &*stroke : nullptr,
                       fill ? &*fill : nullptr);
    }
    Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    DrawShape(X1, Y1, X2, Y2, 0, 0);
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    DrawShape(X1, Y1, X2, Y2, kEllipseCorner, kEllipseCorner);
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    DrawShape(X1, Y1, X2, Y2, X3, Y3);
}

void TCanvas::Polygon(const TPoint* Points, int LastIndex) {
    Changing();
    DrawingTarget target = Target();
    if (target.surface && Points != nullptr && LastIndex >= 0) {
        std::vector<POINT> placed;
        for (int i = 0; i <= LastIndex; ++i) {
            placed.push_back({Points[i].x + target.origin.x, Points[i].y + target.origin.y});
        }
        auto stroke = StrokeOf(*FPen);
        auto fill = FillOf(*FBrush, *FPen);
        DrawPolygon(*target.surface, target.clip, placed, stroke ? &*stroke : nullptr,
                    fill ? &*fill : nullptr);
    }
    Changed();
}

void TCanvas::FillRect(const TRect& Rect) {
    Changing();
    DrawingTarget target = Target();
    if (target.surface && FBrush->Style() != bsClear) {
        FillRectangle(*target.surface, target.clip, Moved(Rect, target.origin),
                      Paint{PixelOf(FBrush->Color())});
    }
    Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
    Changing();
    DrawingTarget target = Target();
    DrawingTarget source = Canvas ? Canvas->Target() : DrawingTarget{};
    if (target.surface && source.surface) {
        StretchBlit(*target.surface, target.clip, Moved(Dest, target.origin), source.surface,
                    Moved(Source, source.origin), FCopyMode, PixelOf(FBrush->Color()));
    }
    Changed();
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
    if (Graphic == nullptr || Graphic->Empty()) {
        return;
    }
    DrawPicture(TRect(X, Y, X + Graphic->Width(), Y + Graphic->Height()), Graphic);
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
    if (Graphic == nullptr || Graphic->Empty()) {
        return;
    }
    DrawPicture(Rect, Graphic);
}

void TCanvas::DrawPicture(const TRect& Rect, TGraphic* Graphic) {
    if (Graphic->RepeatsLastDraw(this, Rect)) {
        // Not a pixel would change: the events are raised, but nothing is drawn, kept or
        // presented.
        TCanvas::Changing();
        FChangedArea = TRect();
        TCanvas::Changed();
        FChangedArea.reset();
        return;
    }
    Changing();
    FPictureChangedNothing = false;
    Graphic->Draw(this, Rect);
    FChangedArea = FPictureChangedNothing ? TRect() : Rect;
    Changed();
    FChangedArea.reset();
    Graphic->Drawn(this, Rect);
}

TColor TCanvas::Pixels(int X, int Y) {
    DrawingTarget target = Target();
    const int x = X + target.origin.x, y = Y + target.origin.y;
    if (!target.surface || !target.surface->Contains(x, y) || x < target.clip.left ||
        x >= target.clip.right || y < target.clip.top || y >= target.clip.bottom) {
        return CLR_INVALID;
    }
    return ColorRefFromPixel(target.surface->Pixel(x, y));
}

void TCanvas::SetPixels(int X, int Y, TColor Value) {
    Changing();
    DrawingTarget target = Target();
    if (target.surface) {
        const LONG x = X + target.origin.x, y = Y + target.origin.y;
        FillRectangle(*target.surface, target.clip, RECT{x, y, x + 1, y + 1},
                      Paint{PixelOf(Value)});
    }
    Changed();
}

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
    Changing();
    ::TextOut(RequiredHandle(), X, Y, Text.c_str(), int(Text.size()));
    FPenPos = TPoint(X + TextWidth(Text), Y);
    Changed();
}

int TCanvas::TextWidth(const std::string& Text) const {
    return FontFor(FFont->Request()).TextWidth(Text);
}

int TCanvas::TextHeight(const std::string&) const {
    return FontFor(FFont->Request()).Metrics().height;
}

HDC TCanvas::Handle() {
    Changing();
    return RequiredHandle();
}

HDC TCanvas::RequiredHandle() {
    if (!FHandle) {
        FHandle = CreateTargetDC([this] { return Target(); });
        FFontValid = FBrushValid = false;
    }
    RequireHandleState();
    return FHandle;
}

void TCanvas::RequireHandleState() {
    if (!FFontValid) {
        SelectObject(FHandle, FFont->Handle());
        SetTextColor(FHandle, ColorToRGB(FFont->Color()));
        FFontValid = true;
    }
    if (!FBrushValid) {
        COLORREF color = ColorToRGB(FBrush->Color()) & 0xFFFFFF;
        if (FBrush->Style() == bsClear) {
            SetBkColor(FHandle, ~color & 0xFFFFFF);
            SetBkMode(FHandle, TRANSPARENT);
        } else {
            SetBkColor(FHandle, color);
            SetBkMode(FHandle, OPAQUE);
        }
        FBrushValid = true;
    }
}
