#include "package/ZvControl.h"

#include "platform/controls/InputDispatcher.h"
#include "platform/window/InputCodes.h"

ZvControl::ZvControl(TComponent* AOwner, bool ClicksDisabled)
    : TWinControl(AOwner), FClicksDisabled(ClicksDisabled) {
    SetControlStyle(ControlStyle() << csOpaque);
}

bool ZvControl::GetChecked() {
    return false;
}

void ZvControl::SetChecked(bool) {}

void ZvControl::ShowRaised() {}

void ZvControl::ShowDisabled() {
    ShowRaised();
}

void ZvControl::ShowFocused() {
    ShowRaised();
}

void ZvControl::ShowSunken() {
    ShowRaised();
}

bool ZvControl::PointInside(int X, int Y) {
    return X >= 0 && X < Width() && Y >= 0 && Y < Height();
}

void ZvControl::ShowReleased() {
    if (IsHot() || Focused()) {
        ShowFocused();
    } else {
        ShowRaised();
    }
}

void ZvControl::ShowPressed() {
    if (!Focused() && TabStop()) {
        SetFocus();
    }
    ShowSunken();
}

void ZvControl::CancelPress() {
    if (IsPressed()) {
        ShowReleased();
        FMousePressed = false;
        FKeyDown = false;
    }
    if (FButtonHeld) {
        FButtonHeld = false;
        ReleaseCapture();
    }
}

void ZvControl::CancelMouseOver() {
    if (!FMouseInside) {
        return;
    }
    FMouseInside = false;
    if (FMousePressed) {
        return;
    }
    if (!Focused() && FShowMouseOver) {
        ShowRaised();
    }
    ReleaseCapture();
}

void ZvControl::DoMouseEnter() {
    // With clicks disabled a held button only keeps the capture; coming back highlights.
    if (FButtonHeld && !FClicksDisabled) {
        ShowPressed();
        FMousePressed = true;
    } else if (FShowMouseOver && !Focused()) {
        ShowFocused();
    }
    FMouseInside = true;
}

void ZvControl::DoMouseLeave() {
    FMouseInside = false;
    if (FMousePressed) {
        FMousePressed = false;
        if (!FKeyDown) {
            ShowReleased();
        }
    } else if (!Focused() && FShowMouseOver) {
        ShowRaised();
    }
}

void ZvControl::SetShowMouseOver(bool Value) {
    if (Value == FShowMouseOver) {
        return;
    }
    if (!Value) {
        CancelMouseOver();
    }
    FShowMouseOver = Value;
}

void ZvControl::SetClicksDisabled(bool Value) {
    if (Value == FClicksDisabled) {
        return;
    }
    // Disabling clicks ends a press too: a key press would otherwise never see its key up.
    CancelPress();
    FClicksDisabled = Value;
}

void ZvControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && PointInside(X, Y)) {
        if (!FClicksDisabled) {
            FButtonHeld = true;
            FMousePressed = true;
            if (!FKeyDown) {
                ShowPressed();
            }
        } else if (FShowMouseOver) {
            FButtonHeld = true;
        }
    }
    TWinControl::MouseDown(Button, Shift, X, Y);
}

void ZvControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (!FClicksDisabled) {
            if (FMousePressed && !FKeyDown) {
                ShowReleased();
            }
            FMousePressed = false;
            if (FButtonHeld && !PointInside(X, Y)) {
                ReleaseCapture();
            }
        }
        FButtonHeld = false;
    }
    TWinControl::MouseUp(Button, Shift, X, Y);
}

void ZvControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (FShowMouseOver || !FClicksDisabled) {
        if (PointInside(X, Y)) {
            if (!FMouseInside) {
                DoMouseEnter();
                if (!FButtonHeld) {
                    SetCapture(Handle());
                }
            }
        } else if (FMouseInside) {
            DoMouseLeave();
            if (!FButtonHeld) {
                ReleaseCapture();
            }
        }
    }
    TWinControl::MouseMove(Shift, X, Y);
}

void ZvControl::WMCaptureChanged(TMessage&) {
    if (FMouseInside || FButtonHeld) {
        DoMouseLeave();
    }
    FButtonHeld = false;
}

void ZvControl::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_CAPTURECHANGED) {
        WMCaptureChanged(Message);
    }
    TWinControl::Dispatch(Message);
}

void ZvControl::DoEnter() {
    if (!IsPressed() && !IsHot()) {
        ShowFocused();
    }
    TWinControl::DoEnter();
}

void ZvControl::DoExit() {
    // A disabled control keeps its disabled picture when the focus leaves it afterwards.
    if (!Enabled()) {
        TWinControl::DoExit();
        return;
    }
    if (IsPressed()) {
        // Only a press by the key ends with the focus; a mouse press goes on.
        if (!FMousePressed) {
            ShowReleased();
            FKeyDown = false;
        }
    } else if (!IsHot()) {
        ShowRaised();
    }
    TWinControl::DoExit();
}

void ZvControl::KeyDown(WORD& Key, TShiftState Shift) {
    if (!FClicksDisabled && Key == VK_SPACE) {
        FKeyDown = true;
        if (!FMousePressed) {
            ShowPressed();
        }
    }
    TWinControl::KeyDown(Key, Shift);
}

void ZvControl::KeyUp(WORD& Key, TShiftState Shift) {
    if (!FClicksDisabled && Key == VK_SPACE) {
        // During a mouse press the picture waits for the button, but the key press is over.
        if (FKeyDown && !FMousePressed) {
            ShowReleased();
        }
        FKeyDown = false;
    }
    TWinControl::KeyUp(Key, Shift);
}

void ZvControl::SetEnabled(bool Value) {
    if (Value == Enabled()) {
        return;
    }
    if (Value) {
        ShowRaised();
    } else {
        CancelPress();
        CancelMouseOver();
        ShowDisabled();
    }
    TWinControl::SetEnabled(Value);
}
