#pragma once
// The class library's canvas: drawing with a pen, a brush and a font on a surface, with GDI's
// pixel rules (see Raster.h). Every drawing operation raises OnChanging before and OnChange
// after it. Handle() is a device context over the same pixels for GDI calls; it carries the
// canvas's font, text colour and background (the brush colour, transparent for a clear brush)
// as they were when the pen, brush or font last changed, so that settings made on the handle
// itself hold until then.

#include "platform/core/Events.h"
#include "platform/core/TPersistent.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"
#include "platform/graphics/TRect.h"

#include <memory>
#include <optional>
#include <string>

class TGraphic;

using TCopyMode = uint32_t;
constexpr TCopyMode cmBlackness = 0x00000042;
constexpr TCopyMode cmDstInvert = 0x00550009;
constexpr TCopyMode cmMergeCopy = 0x00C000CA;
constexpr TCopyMode cmMergePaint = 0x00BB0226;
constexpr TCopyMode cmNotSrcCopy = 0x00330008;
constexpr TCopyMode cmNotSrcErase = 0x001100A6;
constexpr TCopyMode cmPatCopy = 0x00F00021;
constexpr TCopyMode cmPatInvert = 0x005A0049;
constexpr TCopyMode cmPatPaint = 0x00FB0A09;
constexpr TCopyMode cmSrcAnd = 0x008800C6;
constexpr TCopyMode cmSrcCopy = 0x00CC0020;
constexpr TCopyMode cmSrcErase = 0x00440328;
constexpr TCopyMode cmSrcInvert = 0x00660046;
constexpr TCopyMode cmSrcPaint = 0x00EE0086;
constexpr TCopyMode cmWhiteness = 0x00FF0062;

class TCanvas : public TPersistent {
public:
    HUSHWAVE_CLASS_NAME(TCanvas)

    TCanvas();
    ~TCanvas() override;

    TPen* Pen() const { return FPen.get(); }
    void SetPen(TPen* Value) { FPen->Assign(Value); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }
    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint Value) { FPenPos = Value; }

    void MoveTo(int X, int Y) { FPenPos = TPoint(X, Y); }
    // A line from the pen position to (X, Y), leaving that point out; the pen moves there.
    void LineTo(int X, int Y);
    // Outlined with the pen, filled with the brush.
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& R) { Rectangle(R.left, R.top, R.right, R.bottom); }
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect& R) { Ellipse(R.left, R.top, R.right, R.bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    // The points Points[0] .. Points[LastIndex], closed and filled in alternate mode.
    void Polygon(const TPoint* Points, int LastIndex);
    // The brush alone, over the whole rectangle; nothing for a clear brush.
    void FillRect(const TRect& Rect);
    // Copies with the copy mode, stretching when the rectangles' sizes differ.
    void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
    // The graphic at its own size; a transparent bitmap leaves its transparent pixels out.
    void Draw(int X, int Y, TGraphic* Graphic);
    void StretchDraw(const TRect& Rect, TGraphic* Graphic);

    // CLR_INVALID (0xFFFFFFFF) outside the canvas.
    TColor Pixels(int X, int Y);
    void SetPixels(int X, int Y, TColor Value);

    // Text with the top-left of its cell at (X, Y); the background follows the handle's
    // background mode. The pen moves to the end of the text.
    void TextOut(int X, int Y, const std::string& Text);
    int TextWidth(const std::string& Text) const;
    int TextHeight(const std::string& Text) const;

    HDC Handle();

    // Points a plain canvas at the pixels it draws on; the caller keeps them alive.
    void SetTarget(const DrawingTarget& Value) { FTarget = Value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    // Where the canvas draws: for a plain canvas, where SetTarget pointed it.
    virtual DrawingTarget Target() { return FTarget; }
    virtual void Changing();
    virtual void Changed();
    // While Changed runs after drawing a picture: the rectangle it changed, in the canvas's
    // coordinates (an empty one when it changed no pixel), so a canvas on a window presents
    // only that part. No value otherwise.
    const std::optional<TRect>& ChangedArea() const { return FChangedArea; }

private:
    friend class TBitmap;
    // The handle, made if need be, with its font, text colour and background brought in line
    // with the tools as far as they changed since it last was.
    HDC RequiredHandle();
    void RequireHandleState();
    void DrawShape(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight);

    void DrawPicture(const TRect& Rect, TGraphic* Graphic);

    std::optional<TRect> FChangedArea;
    // Set by a picture that drew without changing a pixel, so nothing needs presenting.
    bool FPictureChangedNothing = false;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<TFont> FFont;
    TCopyMode FCopyMode = cmSrcCopy;
    TPoint FPenPos;
    DrawingTarget FTarget;
    HDC FHandle;
    bool FFontValid = false;
    bool FBrushValid = false;
};
