#pragma once
// The one place that decides which control a mouse or key message is for. Window systems
// deliver input to a top-level window only, with the point in its client coordinates; the
// dispatcher picks the control as Windows and the class library together would, keeps the
// mouse capture and the keyboard focus, and tells a second press from a double click.
//
// What each message does (C: the capture control, T: the control the point hits, F: the focus
// control; "hits" skips hidden and disabled controls, windowed children before non-windowed
// ones, the front one first, windowed children only inside their window region):
//
//   message                  | capture | goes to | and
//   -------------------------+---------+---------+---------------------------------------------
//   move                     | none    | T       | MouseMove; nothing is sent to the control
//                            |         |         | the pointer left
//   move                     | C       | C       | MouseMove, also with the point outside C
//   left press               | none    | T       | T takes the capture (csCaptureMouse) and
//                            |         |         | becomes the pressed control (csClickEvents);
//                            |         |         | MouseDown
//   left press, second one   | none    | T       | a double click when the first went to T with
//   within 500 ms and 2 px   |         |         | the same button: DblClick then MouseDown with
//                            |         |         | ssDouble (csDoubleClicks), else a press again;
//                            |         |         | a third press starts over
//   left release             | C       | C       | capture released first (WM_CAPTURECHANGED to
//                            |         |         | C's window), then Click when C is the pressed
//                            |         |         | control and the point lies inside it, then
//                            |         |         | MouseUp
//   left release             | none    | T       | Click only when T is the pressed control and
//                            |         |         | the point lies inside it; MouseUp
//   right or middle press,   | as left | as left | no capture and no click: MouseDown, MouseUp
//   release                  |         |         |
//   any pointer message      | none    | nobody  | when the point is outside the window's shape
//                            |         |         | or the window is disabled
//   key down, up, character  |         | F       | or the form when no enabled control of it has
//                            |         |         | the focus; a Tab key left unhandled moves the
//                            |         |         | focus to the next control in tab order
//   move without the left    | any     | as      | the release of a left press was lost: cancel
//   button while a left      |         | above   | mode first, then as above
//   press is on              |         |         |
//
// Cancel mode ends a press: the capture goes (WM_CAPTURECHANGED) and no release clicks. The
// window system asks for it with WM_CANCELMODE (another program grabbed the pointer), and a
// top-level window's deactivation (WM_ACTIVATE with WA_INACTIVE) runs it too.
//
// The focus moves between controls with WM_KILLFOCUS and CM_EXIT to the control losing it,
// then CM_ENTER and WM_SETFOCUS to the one gaining it. A top-level window that is deactivated
// or hidden keeps its focused control: that control hears only WM_KILLFOCUS, and WM_SETFOCUS
// when the window is activated again. Shift, Ctrl and Alt are taken from the window system at
// each activation change where it can tell, and are cleared on deactivation where it cannot.
//
// A control that is hidden or disabled loses the capture (with WM_CAPTURECHANGED) and its
// press; a hidden one also loses the focus. A control being destroyed is forgotten without
// being told; when it held the capture through its parent's window, that window hears
// WM_CAPTURECHANGED. The capture and the focus are plain references: they never
// keep a control alive. A window without a control that held the capture loses it when it is
// destroyed, and the pointer input goes where it hits again.

#include "platform/controls/ControlTypes.h"
#include "platform/kernel/Handle.h"
#include "platform/kernel/Types.h"

#include <cstdint>
#include <unordered_map>

class TControl;
class TWinControl;

class InputDispatcher {
public:
    static constexpr uint64_t kDoubleClickMs = 500;
    static constexpr int kDoubleClickDistance = 2;

    static InputDispatcher& Instance();

    // A mouse or key message for a top-level control's window, as the window system sent it.
    void RouteInput(TWinControl& topLevel, UINT message, WPARAM wParam, LPARAM lParam);

    TControl* CaptureControl() const { return m_capture; }
    // A capture held by a window that was destroyed without a control owning it is dropped.
    HWND CaptureWindow();
    // The window that loses the capture is sent WM_CAPTURECHANGED with the new window in
    // lParam; moving it between a window and its non-windowed children sends nothing.
    void SetCaptureControl(TControl* control);
    void SetCaptureWindow(HWND window);

    TWinControl* FocusedControl() const { return m_focus; }
    // WM_KILLFOCUS to the control losing the focus, then WM_SETFOCUS to the one gaining it.
    void SetFocusedControl(TWinControl* control);

    // Shift, Ctrl and Alt as the key messages and activation changes so far left them.
    TShiftState KeyShiftState() const { return m_keyShift; }

    // Ends the press in progress and releases the capture.
    void CancelMode();
    // WM_ACTIVATE of a top-level control's window.
    void WindowActivated(TWinControl& topLevel, bool active);

    // A left press on the control; the release over it is its click.
    void PressStarted(TControl& control);
    // True once for the control the last left press started on; clears that press.
    bool TakePress(TControl& control);

    // The control and its children no longer take pointer input.
    void CancelInput(TControl& control, bool dropFocus);
    void Forget(TControl& control);

private:
    struct LastPress {
        TControl* control = nullptr;
        UINT downMessage = 0;
        uint64_t timeMs = 0;
        POINT screen;
        bool wasDouble = false;
    };

    // The control under a point of a windowed control's client area: windowed children in
    // front of the others, the last of each group in front.
    static TControl* ControlAtPoint(TWinControl& parent, POINT p);
    void ChangeCapture(TControl* control, HWND window);
    void RouteMouse(TWinControl& topLevel, UINT message, WPARAM wParam, LPARAM lParam);
    void RouteKey(TWinControl& topLevel, UINT message, WPARAM wParam, LPARAM lParam);
    UINT ApplyDoubleClickRule(TControl& target, UINT message, POINT screen);
    // The focus leaves the top-level control's focused control without leaving the form.
    void SuspendFocus(TWinControl& topLevel);
    void TakeHeldModifiers(bool active);

    TControl* m_capture = nullptr;
    HWND m_captureWindow;
    TWinControl* m_focus = nullptr;
    TControl* m_pressed = nullptr;
    LastPress m_lastPress;
    TShiftState m_keyShift;
    // The control each deactivated or hidden top-level control gives the focus back to.
    std::unordered_map<const TWinControl*, TWinControl*> m_suspendedFocus;
};

// The Win32 capture calls, on the dispatcher's capture.
HWND SetCapture(HWND hWnd);
BOOL ReleaseCapture();
HWND GetCapture();
