#include "platform/graphics/TBrush.h"

void TBrush::SetColor(TColor Value) {
    if (FColor == Value && FStyle != bsClear) {
        return;
    }
    FColor = Value;
    FStyle = bsSolid;
    Changed();
}

void TBrush::Assign(TPersistent* Source) {
    if (auto* brush = dynamic_cast<TBrush*>(Source)) {
        if (FColor != brush->FColor || FStyle != brush->FStyle) {
            FColor = brush->FColor;
            FStyle = brush->FStyle;
            Changed();
        }
        return;
    }
    TGraphicsObject::Assign(Source);
}
