#include "platform/graphics/TPen.h"

int Rop2Of(TPenMode mode) {
    static constexpr int kCodes[] = {1, 16, 11, 6, 13, 4, 14, 5, 12, 3, 15, 2, 9, 8, 7, 10};
    return kCodes[static_cast<int>(mode)];
}

void TPen::Assign(TPersistent* Source) {
    if (auto* pen = dynamic_cast<TPen*>(Source)) {
        if (FColor != pen->FColor || FWidth != pen->FWidth || FStyle != pen->FStyle ||
            FMode != pen->FMode) {
            FColor = pen->FColor;
            FWidth = pen->FWidth;
            FStyle = pen->FStyle;
            FMode = pen->FMode;
            Changed();
        }
        return;
    }
    TGraphicsObject::Assign(Source);
}
