#include "package/ZvCtrlFontColor.h"

void ZvCtrlFontColor::Changed() {
    if (FOnChange) {
        FOnChange(this);
    }
}

void ZvCtrlFontColor::SetColorField(TColor& Field, TColor Value) {
    if (Field == Value) {
        return;
    }
    Field = Value;
    Changed();
}
