#include "package/ZvFourStateFontColor.h"

void ZvFourStateFontColor::AssignTo(TPersistent* Dest) {
    auto* other = dynamic_cast<ZvFourStateFontColor*>(Dest);
    if (other == nullptr) {
        ZvCtrlFontColor::AssignTo(Dest);
        return;
    }
    other->FRaised = FRaised;
    other->FSunken = FSunken;
    other->FFocused = FFocused;
    other->FDisabled = FDisabled;
    other->Changed();
}
