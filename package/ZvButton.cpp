#include "package/ZvButton.h"

#include "package/ZvControlClasses.h"
#include "package/ZvStates.h"
#include "platform/binding/ClassRegistry.h"
#include "platform/controls/TCustomForm.h"

namespace {

constexpr int kButtonStates = ZvState::PerGroup;

TCustomForm* FormOf(TControl* control) {
    for (TControl* up = control->Parent(); up != nullptr; up = up->Parent()) {
        if (auto* form = dynamic_cast<TCustomForm*>(up)) {
            return form;
        }
    }
    return nullptr;
}

} // namespace

ZvButton::ZvButton(TComponent* AOwner)
    : ZvCustomControl(AOwner, false, kButtonStates),
      FAppearance(std::make_unique<ZvFourStateAppearance>(this, ZvState::UncheckedBase)) {
    SetControlStyle(ControlStyle() >> csDoubleClicks);
}

ZvButton::~ZvButton() = default;

void ZvButton::ShowDisabled() {
    ShowBitmap(ZvState::Disabled);
}

void ZvButton::ShowFocused() {
    ShowBitmap(ZvState::Focused);
}

void ZvButton::ShowSunken() {
    ShowBitmap(ZvState::Sunken);
}

void ZvButton::Click() {
    if (TCustomForm* form = FormOf(this)) {
        form->SetModalResult(FModalResult);
    }
    ZvCustomControl::Click();
}

void ZvButton::KeyPress(char& Key) {
    ZvCustomControl::KeyPress(Key);
    if (Key == ' ') {
        Click();
    }
}

bool ZvButton::LoadBitmapA(const std::string& Directory, const std::string& Raised,
                           const std::string& Sunken, const std::string& Focused,
                           const std::string& Disabled) {
    return FAppearance->LoadFromFiles(Directory, Raised, Sunken, Focused, Disabled);
}

void ZvButton::SetAppearance(ZvFourStateAppearance* Value) {
    FAppearance->Assign(Value);
}

void PublishZvButton() {
    static const bool published = [] {
        PublishZvControlClasses();
        auto button = ClassRegistry::Instance().Register<ZvButton>("ZvButton", "ZvCustomControl");
        PublishZvPlatformProperties(button);
        button.Object("Appearance", &ZvButton::GetAppearance)
            .Integer("ModalResult", &ZvButton::SetModalResult)
            .Boolean("ShowMouseOver", &ZvControl::SetShowMouseOver);
        return true;
    }();
    (void)published;
}
