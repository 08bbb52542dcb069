#include "package/ZvRadioBtnAppearance.h"

#include "package/ZvStates.h"

ZvRadioBtnAppearance::ZvRadioBtnAppearance(ZvStateBitmaps* RadioButton)
    : ZvCtrlAppearance(RadioButton),
      FUncheck(std::make_unique<ZvFourStateAppearance>(RadioButton, ZvState::UncheckedBase)) {
    FCheck = std::make_unique<ZvFourStateAppearance>(RadioButton, ZvState::CheckedBase);
}

ZvRadioBtnAppearance::~ZvRadioBtnAppearance() {
    FUncheck.reset();
    FCheck.reset();
}

void ZvRadioBtnAppearance::AssignTo(TPersistent* Dest) {
    auto* other = dynamic_cast<ZvRadioBtnAppearance*>(Dest);
    if (other == nullptr) {
        ZvCtrlAppearance::AssignTo(Dest);
        return;
    }
    other->SetUncheck(FUncheck.get());
    other->SetCheck(FCheck.get());
}
