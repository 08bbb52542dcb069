#pragma once
// The canvas's brush: the colour and style of fills.

#include "platform/graphics/TColor.h"
#include "platform/graphics/TGraphicsObject.h"

enum class TBrushStyle { bsSolid, bsClear };
using enum TBrushStyle;

class TBrush : public TGraphicsObject {
public:
    HUSHWAVE_CLASS_NAME(TBrush)

    TColor Color() const { return FColor; }
    // A clear brush given a colour becomes solid, as the class library's does.
    void SetColor(TColor Value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value) { Update(FStyle, Value); }

    void Assign(TPersistent* Source) override;

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};
