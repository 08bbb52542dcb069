#include "platform/controls/TButtonControl.h"

#include "platform/window/InputCodes.h"

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
    SetTabStop(true);
    // Quick presses on a button are so many clicks, never a double click.
    SetControlStyle(ControlStyle() >> csDoubleClicks);
}

void TButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && CanFocus() && !Focused()) {
        SetFocus();
    }
    TWinControl::MouseDown(Button, Shift, X, Y);
}

void TButtonControl::KeyUp(WORD& Key, TShiftState Shift) {
    TWinControl::KeyUp(Key, Shift);
    if (Key == VK_SPACE) {
        Click();
    }
}
