#pragma once
// The canvas's pen: the colour, width, style and raster mode of outlines and lines.

#include "platform/graphics/TColor.h"
#include "platform/graphics/TGraphicsObject.h"

enum class TPenStyle { psSolid, psClear, psInsideFrame };
using enum TPenStyle;

// In the order of the binary raster operations R2_BLACK .. R2_NOTXORPEN they select.
enum class TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};
using enum TPenMode;

// The ROP2 code of a pen mode.
int Rop2Of(TPenMode mode);

class TPen : public TGraphicsObject {
public:
    HUSHWAVE_CLASS_NAME(TPen)

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Update(FColor, Value); }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { Update(FWidth, Value); }
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value) { Update(FStyle, Value); }
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode Value) { Update(FMode, Value); }

    void Assign(TPersistent* Source) override;

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};
