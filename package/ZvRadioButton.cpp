#include "package/ZvRadioButton.h"

#include "package/ZvControlClasses.h"
#include "package/ZvStates.h"
#include "platform/binding/ClassRegistry.h"
#include "platform/binding/ComponentPalette.h"

namespace {

constexpr int kRadioButtonStates = 2 * ZvState::PerGroup;

} // namespace

ZvRadioButton::ZvRadioButton(TComponent* AOwner)
    : ZvCustomControl(AOwner, false, kRadioButtonStates) {
    SetControlStyle(ControlStyle() << csDoubleClicks);
    FAppearance = std::make_unique<ZvRadioBtnAppearance>(this);
}

ZvRadioButton::~ZvRadioButton() {
    FAppearance.reset();
}

bool ZvRadioButton::GetChecked() {
    return FChecked;
}

void ZvRadioButton::SetChecked(bool Value) {
    if (Value) {
        ExcludeOther();
    }
    FChecked = Value;
    ShowRadioBtnBmp(ZvState::SubState(GetCurState()));
}

void ZvRadioButton::ShowRadioBtnBmp(int K) {
    ShowBitmap(K + (GetChecked() ? ZvState::CheckedBase : ZvState::UncheckedBase));
}

void ZvRadioButton::ShowRaised() {
    ShowRadioBtnBmp(ZvState::Raised);
}

void ZvRadioButton::ShowDisabled() {
    ShowRadioBtnBmp(ZvState::Disabled);
}

void ZvRadioButton::ShowFocused() {
    ShowRadioBtnBmp(ZvState::Focused);
}

void ZvRadioButton::ShowSunken() {
    ShowRadioBtnBmp(ZvState::Sunken);
}

int ZvRadioButton::Substitute(int State) {
    return ZvState::SubstituteInGroup(State);
}

bool ZvRadioButton::IsExclusiveType(TControl* Control) {
    return Control->ClassName() == "ZvRadioButton";
}

void ZvRadioButton::ExcludeOther() {
    TWinControl* parent = Parent();
    if (parent == nullptr) {
        return;
    }
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* control = parent->Controls(i);
        if (control == this || !IsExclusiveType(control)) {
            continue;
        }
        if (auto* sibling = dynamic_cast<ZvControl*>(control)) {
            sibling->SetChecked(false);
        }
    }
}

void ZvRadioButton::Click() {
    SetChecked(true);
    ZvCustomControl::Click();
}

void ZvRadioButton::DblClick() {
    SetChecked(true);
    ZvCustomControl::DblClick();
}

void ZvRadioButton::KeyPress(char& Key) {
    ZvCustomControl::KeyPress(Key);
    if (Key == ' ') {
        Click();
    }
}

void ZvRadioButton::SetAppearance(ZvRadioBtnAppearance* Value) {
    FAppearance->Assign(Value);
}

void ZvRadioButton::Register() {
    static const TComponentClass classes[] = {{"ZvRadioButton", PublishZvRadioButton}};
    RegisterComponents("ZvComponents", classes, 1);
}

void PublishZvRadioButton() {
    static const bool published = [] {
        PublishZvControlClasses();
        ClassRegistry& r = ClassRegistry::Instance();
        r.RegisterBase<ZvRadioBtnAppearance>("ZvRadioBtnAppearance", "ZvCtrlAppearance")
            .Object("Check", &ZvRadioBtnAppearance::GetCheck)
            .Object("Uncheck", &ZvRadioBtnAppearance::GetUncheck);
        auto button = r.Register<ZvRadioButton>("ZvRadioButton", "ZvCustomControl");
        PublishZvPlatformProperties(button);
        button.Boolean("Checked", &ZvControl::SetChecked)
            .Object("Appearance", &ZvRadioButton::GetAppearance)
            .Boolean("ShowMouseOver", &ZvControl::SetShowMouseOver)
            .Boolean("ClicksDisabled", &ZvControl::SetClicksDisabled)
            .Event("OnDblClick", &TControl::OnDblClick);
        return true;
    }();
    (void)published;
}
