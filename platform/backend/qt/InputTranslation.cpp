#include "platform/backend/qt/InputTranslation.h"

#include "platform/window/InputCodes.h"
#include "platform/window/Messages.h"

#include <map>

namespace {

const std::map<int, UINT>& KeyTable() {
    static const std::map<int, UINT> table = {
        {Qt::Key_Backspace, VK_BACK},
        {Qt::Key_Tab, VK_TAB},
        {Qt::Key_Backtab, VK_TAB},
        {Qt::Key_Clear, VK_CLEAR},
        {Qt::Key_Return, VK_RETURN},
        {Qt::Key_Enter, VK_RETURN},
        {Qt::Key_Shift, VK_SHIFT},
        {Qt::Key_Control, VK_CONTROL},
        {Qt::Key_Alt, VK_MENU},
        {Qt::Key_AltGr, VK_MENU},
        {Qt::Key_Pause, VK_PAUSE},
        {Qt::Key_CapsLock, VK_CAPITAL},
        {Qt::Key_Escape, VK_ESCAPE},
        {Qt::Key_Space, VK_SPACE},
        {Qt::Key_PageUp, VK_PRIOR},
        {Qt::Key_PageDown, VK_NEXT},
        {Qt::Key_End, VK_END},
        {Qt::Key_Home, VK_HOME},
        {Qt::Key_Left, VK_LEFT},
        {Qt::Key_Up, VK_UP},
        {Qt::Key_Right, VK_RIGHT},
        {Qt::Key_Down, VK_DOWN},
        {Qt::Key_Print, VK_SNAPSHOT},
        {Qt::Key_Insert, VK_INSERT},
        {Qt::Key_Delete, VK_DELETE},
        {Qt::Key_Meta, VK_LWIN},
        {Qt::Key_Super_L, VK_LWIN},
        {Qt::Key_Menu, VK_APPS},
        {Qt::Key_NumLock, VK_NUMLOCK},
        {Qt::Key_ScrollLock, VK_SCROLL},
        // Shifted digits of a US keyboard share their digit's code.
        {Qt::Key_ParenRight, '0'},
        {Qt::Key_Exclam, '1'},
        {Qt::Key_At, '2'},
        {Qt::Key_NumberSign, '3'},
        {Qt::Key_Dollar, '4'},
        {Qt::Key_Percent, '5'},
        {Qt::Key_AsciiCircum, '6'},
        {Qt::Key_Ampersand, '7'},
        {Qt::Key_Asterisk, '8'},
        {Qt::Key_ParenLeft, '9'},
        {Qt::Key_Semicolon, VK_OEM_1},
        {Qt::Key_Colon, VK_OEM_1},
        {Qt::Key_Equal, VK_OEM_PLUS},
        {Qt::Key_Plus, VK_OEM_PLUS},
        {Qt::Key_Comma, VK_OEM_COMMA},
        {Qt::Key_Less, VK_OEM_COMMA},
        {Qt::Key_Minus, VK_OEM_MINUS},
        {Qt::Key_Underscore, VK_OEM_MINUS},
        {Qt::Key_Period, VK_OEM_PERIOD},
        {Qt::Key_Greater, VK_OEM_PERIOD},
        {Qt::Key_Slash, VK_OEM_2},
        {Qt::Key_Question, VK_OEM_2},
        {Qt::Key_QuoteLeft, VK_OEM_3},
        {Qt::Key_AsciiTilde, VK_OEM_3},
        {Qt::Key_BracketLeft, VK_OEM_4},
        {Qt::Key_BraceLeft, VK_OEM_4},
        {Qt::Key_Backslash, VK_OEM_5},
        {Qt::Key_Bar, VK_OEM_5},
        {Qt::Key_BracketRight, VK_OEM_6},
        {Qt::Key_BraceRight, VK_OEM_6},
        {Qt::Key_Apostrophe, VK_OEM_7},
        {Qt::Key_QuoteDbl, VK_OEM_7},
    };
    return table;
}

UINT KeypadKeyCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return VK_NUMPAD0 + UINT(key - Qt::Key_0);
    }
    switch (key) {
    case Qt::Key_Asterisk:
        return VK_MULTIPLY;
    case Qt::Key_Plus:
        return VK_ADD;
    case Qt::Key_Minus:
        return VK_SUBTRACT;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return VK_DECIMAL;
    case Qt::Key_Slash:
        return VK_DIVIDE;
    default:
        return 0;
    }
}

// The keys whose lParam carries the extended-key bit: the cursor block beside the main keys,
// and the keypad's Enter and divide key.
bool IsExtendedKey(const QKeyEvent& event, UINT code) {
    bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    switch (code) {
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return !keypad;
    case VK_RETURN:
        return keypad;
    case VK_DIVIDE:
    case VK_NUMLOCK:
    case VK_SNAPSHOT:
    case VK_LWIN:
    case VK_APPS:
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<UINT> MouseButtonMessage(Qt::MouseButton button, ButtonTransition transition) {
    UINT first;
    switch (button) {
    case Qt::LeftButton:
        first = WM_LBUTTONDOWN;
        break;
    case Qt::RightButton:
        first = WM_RBUTTONDOWN;
        break;
    case Qt::MiddleButton:
        first = WM_MBUTTONDOWN;
        break;
    default:
        return std::nullopt;
    }
    // Each button's messages come in the order down, up, double click.
    return first + static_cast<UINT>(transition);
}

WPARAM MouseKeyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    WPARAM state = 0;
    if (buttons.testFlag(Qt::LeftButton)) {
        state |= MK_LBUTTON;
    }
    if (buttons.testFlag(Qt::RightButton)) {
        state |= MK_RBUTTON;
    }
    if (buttons.testFlag(Qt::MiddleButton)) {
        state |= MK_MBUTTON;
    }
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        state |= MK_SHIFT;
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        state |= MK_CONTROL;
    }
    return state;
}

UINT VirtualKeyCode(const QKeyEvent& event) {
    int key = event.key();
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        if (UINT code = KeypadKeyCode(key)) {
            return code;
        }
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return static_cast<UINT>(key);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return VK_F1 + static_cast<UINT>(key - Qt::Key_F1);
    }
    auto it = KeyTable().find(key);
    return it == KeyTable().end() ? 0 : it->second;
}

LPARAM KeyMessageParam(const QKeyEvent& event, bool released, bool wasDown) {
    DWORD param = 1;
    // X keycodes of the evdev driver are the PC scan codes plus 8 throughout the main block.
    quint32 keycode = event.nativeScanCode();
    if (keycode > 8 && keycode - 8 <= 0x58) {
        param |= DWORD(keycode - 8) << 16;
    }
    if (IsExtendedKey(event, VirtualKeyCode(event))) {
        param |= DWORD(1) << 24;
    }
    if (event.modifiers().testFlag(Qt::AltModifier)) {
        param |= DWORD(1) << 29;
    }
    if (released || wasDown) {
        param |= DWORD(1) << 30;
    }
    if (released) {
        param |= DWORD(1) << 31;
    }
    return static_cast<LPARAM>(param);
}
