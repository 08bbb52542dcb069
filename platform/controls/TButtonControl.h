#pragma once
// The base of buttons and check boxes: a windowed control that takes the focus when pressed
// and clicks on the space bar as on the mouse; quick presses are clicks, not double clicks.

#include "platform/controls/TWinControl.h"

class TButtonControl : public TWinControl {
public:
    HUSHWAVE_CLASS_NAME(TButtonControl)

    explicit TButtonControl(TComponent* AOwner);

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
};
