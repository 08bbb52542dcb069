#include "package/ZvCheckBox.h"

#include "package/ZvControlClasses.h"
#include "package/ZvStates.h"
#include "platform/binding/ClassRegistry.h"
#include "platform/binding/ComponentPalette.h"

namespace {

constexpr int kCheckBoxStates = 3 * ZvState::PerGroup;

} // namespace

ZvCheckBox::ZvCheckBox(TComponent* AOwner) : ZvCustomControl(AOwner, false, kCheckBoxStates) {
    SetControlStyle(ControlStyle() >> csDoubleClicks);
    FAppearance = std::make_unique<ZvChkBoxAppearance>(this);
}

ZvCheckBox::~ZvCheckBox() {
    FAppearance.reset();
}

bool ZvCheckBox::GetChecked() {
    return FState == cbChecked;
}

void ZvCheckBox::SetChecked(bool Value) {
    SetState(Value ? cbChecked : cbUnchecked);
}

void ZvCheckBox::SetState(TCheckBoxState Value) {
    FState = Value;
    ShowChkboxBmp(ZvState::SubState(GetCurState()));
}

void ZvCheckBox::ShowChkboxBmp(int K) {
    switch (FState) {
    case cbChecked:
        ShowBitmap(K + ZvState::CheckedBase);
        break;
    case cbGrayed:
        ShowBitmap(K + ZvState::GrayedBase);
        break;
    default:
        ShowBitmap(K + ZvState::UncheckedBase);
        break;
    }
}

void ZvCheckBox::ShowRaised() {
    ShowChkboxBmp(ZvState::Raised);
}

void ZvCheckBox::ShowDisabled() {
    ShowChkboxBmp(ZvState::Disabled);
}

void ZvCheckBox::ShowFocused() {
    ShowChkboxBmp(ZvState::Focused);
}

void ZvCheckBox::ShowSunken() {
    ShowChkboxBmp(ZvState::Sunken);
}

int ZvCheckBox::Substitute(int State) {
    return ZvState::SubstituteInGroup(State);
}

void ZvCheckBox::Click() {
    SetState(NextCheckBoxState(FState, FAllowGrayed));
    ZvCustomControl::Click();
}

void ZvCheckBox::KeyPress(char& Key) {
    ZvCustomControl::KeyPress(Key);
    if (Key == ' ') {
        Click();
    }
}

bool ZvCheckBox::LoadChecked(const std::string& Directory, const std::string& Raised,
                             const std::string& Sunken, const std::string& Focused,
                             const std::string& Disabled) {
    return FAppearance->LoadCheck(Directory, Raised, Sunken, Focused, Disabled);
}

bool ZvCheckBox::LoadUnchecked(const std::string& Directory, const std::string& Raised,
                               const std::string& Sunken, const std::string& Focused,
                               const std::string& Disabled) {
    return FAppearance->LoadUncheck(Directory, Raised, Sunken, Focused, Disabled);
}

bool ZvCheckBox::LoadGrayed(const std::string& Directory, const std::string& Raised,
                            const std::string& Sunken, const std::string& Focused,
                            const std::string& Disabled) {
    return FAppearance->LoadGray(Directory, Raised, Sunken, Focused, Disabled);
}

void ZvCheckBox::SetAppearance(ZvChkBoxAppearance* Value) {
    FAppearance->Assign(Value);
}

void ZvCheckBox::Register() {
    static const TComponentClass classes[] = {{"ZvCheckBox", PublishZvCheckBox}};
    RegisterComponents("ZvComponents", classes, 1);
}

void PublishZvCheckBox() {
    static const bool published = [] {
        PublishZvControlClasses();
        ClassRegistry& r = ClassRegistry::Instance();
        r.RegisterBase<ZvChkBoxAppearance>("ZvChkBoxAppearance")
            .Object("Check", &ZvChkBoxAppearance::GetCheck)
            .Object("Uncheck", &ZvChkBoxAppearance::GetUncheck)
            .Object("Gray", &ZvChkBoxAppearance::GetGray);
        auto box = r.Register<ZvCheckBox>("ZvCheckBox", "ZvCustomControl");
        PublishZvPlatformProperties(box);
        box.Boolean("Checked", &ZvControl::SetChecked)
            .Boolean("AllowGrayed", &ZvCheckBox::SetAllowGrayed)
            .Enumeration("State", &ZvCheckBox::SetState, {"cbUnchecked", "cbChecked", "cbGrayed"})
            .Object("Appearance", &ZvCheckBox::GetAppearance)
            .Boolean("ShowMouseOver", &ZvControl::SetShowMouseOver)
            .Boolean("ClicksDisabled", &ZvControl::SetClicksDisabled);
        return true;
    }();
    (void)published;
}
