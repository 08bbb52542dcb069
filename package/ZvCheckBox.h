#pragma once
// A three-valued check box drawn from up to twelve pictures, one four-picture group per value
// (unchecked 0 to 3, checked 4 to 7, grayed 8 to 11). The value chooses the group, the
// control base the picture within it. A click moves the value on: unchecked, grayed (only
// with AllowGrayed), checked, unchecked. A state without a picture shows its group's raised
// picture, or state 0's when that is empty too. Double clicks are not taken.

#include "package/ZvChkBoxAppearance.h"
#include "package/ZvCustomControl.h"
#include "platform/controls/TCustomCheckBox.h"

#include <memory>
#include <string>

class ZvCheckBox : public ZvCustomControl {
public:
    HUSHWAVE_CLASS_NAME(ZvCheckBox)

    explicit ZvCheckBox(TComponent* AOwner);
    ~ZvCheckBox() override;

    // Checked is State being cbChecked; setting it false also clears a grayed box.
    bool GetChecked() override;
    void SetChecked(bool Value) override;
    void ShowRaised() override;
    void ShowDisabled() override;
    void ShowFocused() override;
    void ShowSunken() override;
    int Substitute(int State) override;

    TCheckBoxState GetState() const { return FState; }
    // Shows the current picture (raised, sunken, ...) of the new value's group; always
    // redraws and fires no event. Any value may be set, also cbGrayed without AllowGrayed.
    void SetState(TCheckBoxState Value);
    bool GetAllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }

    // The next value, then OnClick.
    void Click() override;

    // The four pictures of one value from BMP files of a folder; an empty name leaves its
    // state alone.
    bool LoadChecked(const std::string& Directory, const std::string& Raised,
                     const std::string& Sunken, const std::string& Focused,
                     const std::string& Disabled);
    bool LoadUnchecked(const std::string& Directory, const std::string& Raised,
                       const std::string& Sunken, const std::string& Focused,
                       const std::string& Disabled);
    bool LoadGrayed(const std::string& Directory, const std::string& Raised,
                    const std::string& Sunken, const std::string& Focused,
                    const std::string& Disabled);

    ZvChkBoxAppearance* GetAppearance() const { return FAppearance.get(); }
    void SetAppearance(ZvChkBoxAppearance* Value);

    // Puts ZvCheckBox on the "ZvComponents" page of the palette.
    static void Register();

protected:
    // A space character, as OnKeyPress leaves it, clicks the box.
    void KeyPress(char& Key) override;
    // Shows sub-state k (raised 0 ... disabled 3) in the group of the current value.
    void ShowChkboxBmp(int K);

private:
    TCheckBoxState FState = cbUnchecked;
    std::unique_ptr<ZvChkBoxAppearance> FAppearance;
    bool FAllowGrayed = false;
};

// Makes ZvCheckBox known to form resources with its published properties.
void PublishZvCheckBox();
