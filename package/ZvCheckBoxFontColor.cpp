#include "package/ZvCheckBoxFontColor.h"

ZvCheckBoxFontColor::ZvCheckBoxFontColor()
    : FCheck(std::make_unique<ZvFourStateFontColor>()),
      FUncheck(std::make_unique<ZvThreeStateFontColor>()),
      FGray(std::make_unique<ZvFourStateFontColor>()) {}

ZvCheckBoxFontColor::~ZvCheckBoxFontColor() {
    FCheck.reset();
    FUncheck.reset();
    FGray.reset();
}

void ZvCheckBoxFontColor::SetOnChange(TNotifyEvent Value) {
    FUncheck->SetOnChange(Value);
    FCheck->SetOnChange(Value);
    FGray->SetOnChange(Value);
}

void ZvCheckBoxFontColor::AssignTo(TPersistent* Dest) {
    auto* other = dynamic_cast<ZvCheckBoxFontColor*>(Dest);
    if (other == nullptr) {
        TPersistent::AssignTo(Dest);
        return;
    }
    other->SetUncheck(FUncheck.get());
    other->SetCheck(FCheck.get());
    other->SetGray(FGray.get());
}
