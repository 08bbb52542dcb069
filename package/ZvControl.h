#pragma once
// The root of the skinned controls: a windowed control that turns the left button, the
// pointer, the space key, the focus and Enabled into four picture requests, ShowRaised,
// ShowSunken, ShowFocused and ShowDisabled. It does not know what they look like: the
// focused picture doubles as the mouse-over highlight, and a derived class gives the
// requests their pictures.
//
// Hover is seen by holding the mouse capture while the pointer is over the control, so that
// moving away still reaches it; the capture leaving the window (WM_CAPTURECHANGED) ends hover
// and any mouse press, whoever released it.

#include "platform/controls/TWinControl.h"

class ZvControl : public TWinControl {
public:
    HUSHWAVE_CLASS_NAME(ZvControl)

    ZvControl(TComponent* AOwner, bool ClicksDisabled);

    // The accessors of a Checked property for the components that have one.
    virtual bool GetChecked();
    virtual void SetChecked(bool Value);

    // The picture requests; the last three show the raised picture unless overridden.
    virtual void ShowRaised();
    virtual void ShowDisabled();
    virtual void ShowFocused();
    virtual void ShowSunken();

    // Whether a point in client coordinates is one the control reacts to.
    virtual bool PointInside(int X, int Y);
    virtual void WMCaptureChanged(TMessage& Message);

    bool IsPressed() const { return FKeyDown || FMousePressed; }
    bool IsHot() const { return FShowMouseOver && FMouseInside; }

    bool GetShowMouseOver() const { return FShowMouseOver; }
    void SetShowMouseOver(bool Value);
    bool GetClicksDisabled() const { return FClicksDisabled; }
    void SetClicksDisabled(bool Value);

    void SetEnabled(bool Value) override;
    void Dispatch(TMessage& Message) override;

protected:
    // What each input asks of the picture, for a control with clicks enabled, ShowMouseOver
    // on and TabStop off. "Released" is the focused picture while the control is hot or has
    // the focus, else the raised one; a star marks a request made only while the control does
    // not have the focus.
    //
    //   input                                  | picture   | pressed | hot | and
    //   ---------------------------------------+-----------+---------+-----+----------------------
    //   pointer enters, no button held         | focused * | no      | yes | captures the mouse
    //   pointer leaves, no press               | raised *  | no      | no  | releases the capture
    //   left button down over the control      | sunken    | yes     | yes | the platform captures
    //   pointer leaves, the button still held  | released  | no      | no  | the press pauses
    //   pointer comes back, button held        | sunken    | yes     | yes | the press resumes
    //   button released over the control       | released  | no      | no  | the platform's capture
    //                                          |           |         |     | goes first and its
    //                                          |           |         |     | change ends press and
    //                                          |           |         |     | hover; then Click
    //   button released away from it           | raised *  | no      | no  | no click
    //   space down, no mouse press             | sunken    | yes     |     |
    //   space up                               | released  | no      |     | during a mouse press
    //                                          |           |         |     | the button decides
    //   focus arrives, not pressed, not hot    | focused   |         |     |
    //   focus leaves, not pressed, not hot     | raised    |         |     |
    //   focus leaves during a space press      | released  | no      |     | a mouse press goes on
    //   disabled                               | disabled  | no      | no  | press and hover end
    //                                          |           |         |     | first, each with its
    //                                          |           |         |     | own request
    //   focus leaves a disabled control        | none      |         |     |
    //   enabled again                          | raised    |         |     | also under the pointer
    //
    // With ShowMouseOver off no hover picture is asked for; with ClicksDisabled on no press
    // starts, so nothing is sunken, while the platform still fires Click on a release over
    // the control; with both, pointer movement changes nothing. With TabStop on, a press
    // first gives the control the focus.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;

    // The four ways a picture follows a change of press or hover.
    void ShowReleased();
    void ShowPressed();
    void CancelPress();
    void CancelMouseOver();

    void DoMouseEnter();
    void DoMouseLeave();

private:
    bool FShowMouseOver = true;
    bool FMouseInside = false;  // over the control, with hover holding the mouse capture
    bool FKeyDown = false;      // a press by the space key
    bool FMousePressed = false; // a press by the left button
    bool FButtonHeld = false;   // the left button went down over the control and is still down
    bool FClicksDisabled;
};
