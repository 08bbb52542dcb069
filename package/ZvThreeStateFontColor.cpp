#include "package/ZvThreeStateFontColor.h"

void ZvThreeStateFontColor::AssignTo(TPersistent* Dest) {
    auto* other = dynamic_cast<ZvThreeStateFontColor*>(Dest);
    if (other == nullptr) {
        ZvCtrlFontColor::AssignTo(Dest);
        return;
    }
    other->FSunken = FSunken;
    other->FFocused = FFocused;
    other->FDisabled = FDisabled;
    other->Changed();
}
