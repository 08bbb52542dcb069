#include "package/ZvFourStateAppearance.h"

bool ZvFourStateAppearance::LoadFromFiles(const std::string& Directory, const std::string& Raised,
                                          const std::string& Sunken, const std::string& Focused,
                                          const std::string& Disabled) {
    const std::string names[] = {Raised, Sunken, Focused, Disabled};
    return LoadBitmaps(Directory, names, ZvState::PerGroup, FFirstState);
}

void ZvFourStateAppearance::AssignTo(TPersistent* Dest) {
    auto* other = dynamic_cast<ZvFourStateAppearance*>(Dest);
    if (other == nullptr) {
        ZvCtrlAppearance::AssignTo(Dest);
        return;
    }
    other->SetRaisedBmp(GetRaisedBmp());
    other->SetSunkenBmp(GetSunkenBmp());
    other->SetFocusedBmp(GetFocusedBmp());
    other->SetDisabledBmp(GetDisabledBmp());
}
