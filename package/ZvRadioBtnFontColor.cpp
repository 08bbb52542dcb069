#include "package/ZvRadioBtnFontColor.h"

ZvRadioBtnFontColor::ZvRadioBtnFontColor()
    : FCheck(std::make_unique<ZvFourStateFontColor>()),
      FUncheck(std::make_unique<ZvThreeStateFontColor>()) {}

ZvRadioBtnFontColor::~ZvRadioBtnFontColor() {
    FCheck.reset();
    FUncheck.reset();
}

void ZvRadioBtnFontColor::SetOnChange(TNotifyEvent Value) {
    FUncheck->SetOnChange(Value);
    FCheck->SetOnChange(Value);
}

void ZvRadioBtnFontColor::AssignTo(TPersistent* Dest) {
    auto* other = dynamic_cast<ZvRadioBtnFontColor*>(Dest);
    if (other == nullptr) {
        TPersistent::AssignTo(Dest);
        return;
    }
    other->SetUncheck(FUncheck.get());
    other->SetCheck(FCheck.get());
}
