#pragma once
// A push button drawn entirely from four pictures: raised, sunken, focused (also the mouse-over
// highlight) and disabled, states 0 to 3. A state without a picture shows the raised one.
// Double clicks are not taken: a quick second press is another press and another click.

#include "package/ZvCustomControl.h"
#include "package/ZvFourStateAppearance.h"
#include "platform/controls/ControlTypes.h"

#include <memory>
#include <string>

class ZvButton : public ZvCustomControl {
public:
    HUSHWAVE_CLASS_NAME(ZvButton)

    explicit ZvButton(TComponent* AOwner);
    ~ZvButton() override;

    void ShowDisabled() override;
    void ShowFocused() override;
    void ShowSunken() override;

    // Gives the form the button is on its ModalResult, also when that is 0, then fires OnClick.
    void Click() override;

    // The four pictures from BMP files of a folder; an empty name leaves its state alone.
    bool LoadBitmapA(const std::string& Directory, const std::string& Raised,
                     const std::string& Sunken, const std::string& Focused,
                     const std::string& Disabled);

    ZvFourStateAppearance* GetAppearance() const { return FAppearance.get(); }
    // Copies the pictures into this button's states.
    void SetAppearance(ZvFourStateAppearance* Value);
    TModalResult GetModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

protected:
    // A space character, as OnKeyPress leaves it, clicks the button.
    void KeyPress(char& Key) override;

private:
    std::unique_ptr<ZvFourStateAppearance> FAppearance;
    TModalResult FModalResult = mrNone;
};

// Makes ZvButton known to form resources with its published properties.
void PublishZvButton();
