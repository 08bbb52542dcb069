#pragma once
// A two-valued radio button drawn from up to eight pictures, one four-picture group for
// unchecked (0 to 3) and one for checked (4 to 7). Checking it unchecks its exclusive
// siblings: the other controls of its parent for which IsExclusiveType holds, asked anew each
// time, so a group is whatever stands on one parent then. A click always checks, also a
// checked button. Double clicks are taken.

#include "package/ZvCustomControl.h"
#include "package/ZvRadioBtnAppearance.h"

#include <memory>

class ZvRadioButton : public ZvCustomControl {
public:
    HUSHWAVE_CLASS_NAME(ZvRadioButton)

    explicit ZvRadioButton(TComponent* AOwner);
    ~ZvRadioButton() override;

    bool GetChecked() override;
    // Checking first unchecks the exclusive siblings; either way the current picture
    // (raised, sunken, ...) is shown in the new value's group. Fires no event.
    void SetChecked(bool Value) override;
    void ShowRaised() override;
    void ShowDisabled() override;
    void ShowFocused() override;
    void ShowSunken() override;
    int Substitute(int State) override;
    // Whether checking this button unchecks the control: true for a control of exactly the
    // class ZvRadioButton, not for one derived from it.
    virtual bool IsExclusiveType(TControl* Control);

    // Checks the button, then OnClick.
    void Click() override;
    // Checks the button, then OnDblClick.
    void DblClick() override;

    ZvRadioBtnAppearance* GetAppearance() const { return FAppearance.get(); }
    void SetAppearance(ZvRadioBtnAppearance* Value);

    // Puts ZvRadioButton on the "ZvComponents" page of the palette.
    static void Register();

protected:
    // A space character, as OnKeyPress leaves it, clicks the button.
    void KeyPress(char& Key) override;
    // Shows sub-state k (raised 0 ... disabled 3) in the group of the current value.
    void ShowRadioBtnBmp(int K);

private:
    // Unchecks the exclusive siblings on the parent, in the parent's control order.
    void ExcludeOther();

    bool FChecked = false;
    std::unique_ptr<ZvRadioBtnAppearance> FAppearance;
};

// Makes ZvRadioButton known to form resources with its published properties.
void PublishZvRadioButton();
