#include "platform/controls/InputDispatcher.h"

#include "platform/controls/ControlMessages.h"
#include "platform/controls/TWinControl.h"
#include "platform/kernel/Clock.h"
#include "platform/window/InputCodes.h"
#include "platform/window/Window.h"
#include "platform/window/WindowSystem.h"

#include <cstdlib>

namespace {

constexpr UINT kDoubleClickOffset = WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

bool IsDoubleClick(UINT message) {
    return message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK ||
           message == WM_MBUTTONDBLCLK;
}

bool IsMouseMessage(UINT message) {
    return message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK;
}

bool Inside(const TControl& control, POINT p) {
    return p.x >= control.Left() && p.y >= control.Top() &&
           p.x < control.Left() + control.Width() && p.y < control.Top() + control.Height();
}

bool Takes(TControl& control, POINT inParent) {
    return control.Visible() && control.Enabled() && Inside(control, inParent) &&
           control.HitTest(inParent.x - control.Left(), inParent.y - control.Top());
}

POINT WindowScreenOrigin(const Window& window) {
    POINT origin{};
    for (const Window* w = &window; w != nullptr; w = w->Parent()) {
        origin.x += w->Bounds().left;
        origin.y += w->Bounds().top;
    }
    return origin;
}

bool Within(const TControl* control, const TControl& ancestor) {
    for (; control != nullptr; control = control->Parent()) {
        if (control == &ancestor) {
            return true;
        }
    }
    return false;
}

} // namespace

InputDispatcher& InputDispatcher::Instance() {
    static InputDispatcher dispatcher;
    return dispatcher;
}

void InputDispatcher::RouteInput(TWinControl& topLevel, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
    if (IsMouseMessage(message)) {
        RouteMouse(topLevel, message, wParam, lParam);
    } else {
        RouteKey(topLevel, message, wParam, lParam);
    }
}

TControl* InputDispatcher::ControlAtPoint(TWinControl& parent, POINT p) {
    for (auto it = parent.FWinControls.rbegin(); it != parent.FWinControls.rend(); ++it) {
        if (Takes(**it, p)) {
            return ControlAtPoint(**it, POINT{p.x - (*it)->Left(), p.y - (*it)->Top()});
        }
    }
    for (auto it = parent.FControls.rbegin(); it != parent.FControls.rend(); ++it) {
        if (Takes(**it, p)) {
            return *it;
        }
    }
    return &parent;
}

HWND InputDispatcher::CaptureWindow() {
    if (m_captureWindow && FindWindow(m_captureWindow) == nullptr) {
        m_capture = nullptr;
        m_captureWindow = HWND{};
    }
    return m_captureWindow;
}

void InputDispatcher::RouteMouse(TWinControl& topLevel, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
    if (message == WM_MOUSEMOVE && m_pressed != nullptr && (wParam & MK_LBUTTON) == 0) {
        CancelMode();
    }
    POINT client{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    POINT screen = topLevel.ClientToScreen(client);
    TControl* target = m_capture;
    if (target == nullptr && CaptureWindow()) {
        // A window that no control owns holds the capture; it hears the message as it is.
        Window* window = FindWindow(m_captureWindow);
        POINT origin = WindowScreenOrigin(*window);
        window->Deliver(message, wParam, MakePointLParam(screen.x - origin.x, screen.y - origin.y));
        return;
    }
    if (target == nullptr) {
        bool inside = client.x >= 0 && client.y >= 0 && client.x < topLevel.Width() &&
                      client.y < topLevel.Height();
        if (!topLevel.Enabled() || !inside || !topLevel.HitTest(client.x, client.y)) {
            return;
        }
        target = ControlAtPoint(topLevel, client);
    }
    if (IsButtonDown(message) || IsDoubleClick(message)) {
        message = ApplyDoubleClickRule(*target, message, screen);
    }
    POINT local = target->ScreenToClient(screen);
    target->Perform(message, wParam, MakePointLParam(local.x, local.y));
}

UINT InputDispatcher::ApplyDoubleClickRule(TControl& target, UINT message, POINT screen) {
    UINT down = IsDoubleClick(message) ? message - kDoubleClickOffset : message;
    uint64_t now = CurrentClock().NowMs();
    const LastPress& last = m_lastPress;
    bool closeEnough = now - last.timeMs <= kDoubleClickMs &&
                       std::abs(screen.x - last.screen.x) <= kDoubleClickDistance &&
                       std::abs(screen.y - last.screen.y) <= kDoubleClickDistance;
    // A window system that recognised the double click itself has already checked time and
    // distance; the control must still be the one the first press went to.
    bool isDouble = last.control == &target && last.downMessage == down && !last.wasDouble &&
                    (IsDoubleClick(message) || closeEnough);
    m_lastPress = LastPress{&target, down, now, screen, isDouble};
    return isDouble ? down + kDoubleClickOffset : down;
}

void InputDispatcher::RouteKey(TWinControl& topLevel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_KEYUP) {
        bool down = message == WM_KEYDOWN;
        auto track = [&](TShiftStateItem item) {
            if (down) {
                m_keyShift << item;
            } else {
                m_keyShift >> item;
            }
        };
        if (wParam == VK_SHIFT) {
            track(ssShift);
        } else if (wParam == VK_CONTROL) {
            track(ssCtrl);
        } else if (wParam == VK_MENU) {
            track(ssAlt);
        }
    }
    if (!topLevel.Enabled()) {
        return;
    }
    TWinControl* focus =
        m_focus != nullptr && topLevel.ContainsControl(m_focus) ? m_focus : nullptr;
    TWinControl* target = focus != nullptr && focus->EnabledWithParents() ? focus : &topLevel;
    TMessage key{message, wParam, lParam, 0};
    target->WndProc(key);
    if (message == WM_KEYDOWN && key.WParam == VK_TAB) {
        topLevel.SelectNext(focus, !m_keyShift.Contains(ssShift), true);
    }
}

void InputDispatcher::ChangeCapture(TControl* control, HWND window) {
    HWND lost = m_captureWindow;
    m_capture = control;
    m_captureWindow = window;
    if (lost && lost != window) {
        if (Window* record = FindWindow(lost)) {
            record->Deliver(WM_CAPTURECHANGED, 0, static_cast<LPARAM>(window.value));
        }
    }
}

void InputDispatcher::SetCaptureControl(TControl* control) {
    if (control == nullptr) {
        ChangeCapture(nullptr, HWND{});
        return;
    }
    auto* holder = dynamic_cast<TWinControl*>(control);
    if (holder == nullptr) {
        holder = control->Parent();
    }
    if (holder != nullptr) {
        ChangeCapture(control, holder->Handle());
    }
}

void InputDispatcher::SetCaptureWindow(HWND window) {
    if (window && window == m_captureWindow) {
        return;
    }
    ChangeCapture(window ? FindControl(window) : nullptr, window);
}

void InputDispatcher::SetFocusedControl(TWinControl* control) {
    if (control != nullptr) {
        m_suspendedFocus.erase(static_cast<TWinControl*>(control->RootControl()));
    }
    if (control == m_focus) {
        return;
    }
    TWinControl* lost = m_focus;
    m_focus = control;
    auto handleOf = [](TWinControl* c) -> WPARAM {
        return c != nullptr && c->HandleAllocated() ? c->Handle().value : 0;
    };
    if (lost != nullptr) {
        lost->Perform(WM_KILLFOCUS, handleOf(control), 0);
        lost->Perform(CM_EXIT, 0, 0);
    }
    // The control losing the focus may have moved it elsewhere meanwhile.
    if (control != nullptr && m_focus == control) {
        control->Perform(CM_ENTER, 0, 0);
    }
    if (control != nullptr && m_focus == control) {
        control->Perform(WM_SETFOCUS, handleOf(lost), 0);
    }
}

void InputDispatcher::SuspendFocus(TWinControl& topLevel) {
    if (m_focus == nullptr || !topLevel.ContainsControl(m_focus)) {
        return;
    }
    TWinControl* focus = m_focus;
    m_suspendedFocus[&topLevel] = focus;
    m_focus = nullptr;
    focus->Perform(WM_KILLFOCUS, 0, 0);
}

void InputDispatcher::TakeHeldModifiers(bool active) {
    std::optional<WPARAM> held = CurrentWindowSystem().HeldModifiers();
    if (!held) {
        // Keys let go while another window was active are never reported here.
        if (!active) {
            m_keyShift = TShiftState();
        }
        return;
    }
    m_keyShift = TShiftState();
    if ((*held & MK_SHIFT) != 0) {
        m_keyShift << ssShift;
    }
    if ((*held & MK_CONTROL) != 0) {
        m_keyShift << ssCtrl;
    }
    if ((*held & MK_ALT) != 0) {
        m_keyShift << ssAlt;
    }
}

void InputDispatcher::CancelMode() {
    m_pressed = nullptr;
    if (m_capture != nullptr || m_captureWindow) {
        SetCaptureControl(nullptr);
    }
}

void InputDispatcher::WindowActivated(TWinControl& topLevel, bool active) {
    TakeHeldModifiers(active);
    if (!active) {
        CancelMode();
        SuspendFocus(topLevel);
        return;
    }
    auto it = m_suspendedFocus.find(&topLevel);
    if (it == m_suspendedFocus.end()) {
        return;
    }
    TWinControl* control = it->second;
    m_suspendedFocus.erase(it);
    if (m_focus == nullptr && control->CanFocus()) {
        m_focus = control;
        control->Perform(WM_SETFOCUS, 0, 0);
    }
}

void InputDispatcher::PressStarted(TControl& control) {
    m_pressed = &control;
}

bool InputDispatcher::TakePress(TControl& control) {
    bool pressedHere = m_pressed == &control;
    m_pressed = nullptr;
    return pressedHere;
}

void InputDispatcher::CancelInput(TControl& control, bool dropFocus) {
    if (Within(m_pressed, control)) {
        m_pressed = nullptr;
    }
    if (Within(m_lastPress.control, control)) {
        m_lastPress = LastPress{};
    }
    TControl* captureOwner = m_capture != nullptr ? m_capture : FindControl(m_captureWindow);
    if (Within(captureOwner, control)) {
        SetCaptureControl(nullptr);
    }
    if (dropFocus && Within(m_focus, control)) {
        if (control.Parent() == nullptr) {
            SuspendFocus(static_cast<TWinControl&>(control));
        } else {
            SetFocusedControl(nullptr);
        }
    }
}

void InputDispatcher::Forget(TControl& control) {
    if (m_pressed == &control) {
        m_pressed = nullptr;
    }
    if (m_lastPress.control == &control) {
        m_lastPress = LastPress{};
    }
    TWinControl* holder = FindControl(m_captureWindow);
    if (holder == &control) {
        m_capture = nullptr;
        m_captureWindow = HWND{};
    } else if (m_capture == &control) {
        // A non-windowed control captures through its parent's window, which stays; it hears
        // that the capture left it unless it is going too.
        if (holder != nullptr && !holder->ComponentState().Contains(csDestroying)) {
            SetCaptureControl(nullptr);
        } else {
            m_capture = nullptr;
            m_captureWindow = HWND{};
        }
    }
    if (m_focus == &control) {
        m_focus = nullptr;
    }
    std::erase_if(m_suspendedFocus, [&](const auto& entry) {
        return entry.first == &control || entry.second == &control;
    });
}

HWND SetCapture(HWND hWnd) {
    InputDispatcher& dispatcher = InputDispatcher::Instance();
    HWND previous = dispatcher.CaptureWindow();
    if (FindWindow(hWnd) == nullptr) {
        return HWND{};
    }
    dispatcher.SetCaptureWindow(hWnd);
    return previous;
}

BOOL ReleaseCapture() {
    InputDispatcher::Instance().SetCaptureWindow(HWND{});
    return TRUE;
}

HWND GetCapture() {
    return InputDispatcher::Instance().CaptureWindow();
}
