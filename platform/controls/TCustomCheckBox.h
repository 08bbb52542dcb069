#pragma once
// A box with a caption that a click or the space bar checks and unchecks; with AllowGrayed a
// third, grayed state comes between.

#include "platform/controls/TButtonControl.h"

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
using enum TCheckBoxState;

// The state a click moves a check box on to: unchecked, grayed (only with AllowGrayed),
// checked, unchecked again. Any state may be left this way, also grayed without AllowGrayed.
TCheckBoxState NextCheckBoxState(TCheckBoxState State, bool AllowGrayed);

class TCustomCheckBox : public TButtonControl {
public:
    HUSHWAVE_CLASS_NAME(TCustomCheckBox)

    explicit TCustomCheckBox(TComponent* AOwner);

    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }

    // Moves to the next state, then fires OnClick.
    void Click() override;

protected:
    void PaintWindow(TCanvas& Canvas) override;

private:
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
};

class TCheckBox : public TCustomCheckBox {
public:
    HUSHWAVE_CLASS_NAME(TCheckBox)
    using TCustomCheckBox::TCustomCheckBox;
};
