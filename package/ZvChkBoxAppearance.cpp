#include "package/ZvChkBoxAppearance.h"

#include "package/ZvStates.h"

ZvChkBoxAppearance::ZvChkBoxAppearance(ZvStateBitmaps* CheckBox)
    : FUncheck(std::make_unique<ZvFourStateAppearance>(CheckBox, ZvState::UncheckedBase)) {
    FCheck = std::make_unique<ZvFourStateAppearance>(CheckBox, ZvState::CheckedBase);
    FGray = std::make_unique<ZvFourStateAppearance>(CheckBox, ZvState::GrayedBase);
}

ZvChkBoxAppearance::~ZvChkBoxAppearance() {
    FUncheck.reset();
    FCheck.reset();
    FGray.reset();
}

bool ZvChkBoxAppearance::LoadCheck(const std::string& Directory, const std::string& Raised,
                                   const std::string& Sunken, const std::string& Focused,
                                   const std::string& Disabled) {
    return FCheck->LoadFromFiles(Directory, Raised, Sunken, Focused, Disabled);
}

bool ZvChkBoxAppearance::LoadUncheck(const std::string& Directory, const std::string& Raised,
                                     const std::string& Sunken, const std::string& Focused,
                                     const std::string& Disabled) {
    return FUncheck->LoadFromFiles(Directory, Raised, Sunken, Focused, Disabled);
}

bool ZvChkBoxAppearance::LoadGray(const std::string& Directory, const std::string& Raised,
                                  const std::string& Sunken, const std::string& Focused,
                                  const std::string& Disabled) {
    return FGray->LoadFromFiles(Directory, Raised, Sunken, Focused, Disabled);
}

void ZvChkBoxAppearance::AssignTo(TPersistent* Dest) {
    auto* other = dynamic_cast<ZvChkBoxAppearance*>(Dest);
    if (other == nullptr) {
        TPersistent::AssignTo(Dest);
        return;
    }
    other->SetUncheck(FUncheck.get());
    other->SetCheck(FCheck.get());
    other->SetGray(FGray.get());
}
