#pragma once
// The Win32 values that mouse and key messages carry: the button and modifier flags of a mouse
// message's wParam, the virtual-key codes of a key message's wParam, and the packing of a
// client point into lParam.

#include "platform/kernel/Types.h"

constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;
// Alt, which mouse messages do not carry; what a window system reports as held.
constexpr WPARAM MK_ALT = 0x0020;

constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_CLEAR = 0x0C;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_PAUSE = 0x13;
constexpr UINT VK_CAPITAL = 0x14;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_SNAPSHOT = 0x2C;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
// '0' to '9' and 'A' to 'Z' are their own virtual-key codes.
constexpr UINT VK_LWIN = 0x5B;
constexpr UINT VK_APPS = 0x5D;
constexpr UINT VK_NUMPAD0 = 0x60;
constexpr UINT VK_MULTIPLY = 0x6A;
constexpr UINT VK_ADD = 0x6B;
constexpr UINT VK_SUBTRACT = 0x6D;
constexpr UINT VK_DECIMAL = 0x6E;
constexpr UINT VK_DIVIDE = 0x6F;
constexpr UINT VK_F1 = 0x70; // VK_F1 + n - 1 is Fn, up to F24
constexpr UINT VK_NUMLOCK = 0x90;
constexpr UINT VK_SCROLL = 0x91;
constexpr UINT VK_OEM_1 = 0xBA; // ;:
constexpr UINT VK_OEM_PLUS = 0xBB;
constexpr UINT VK_OEM_COMMA = 0xBC;
constexpr UINT VK_OEM_MINUS = 0xBD;
constexpr UINT VK_OEM_PERIOD = 0xBE;
constexpr UINT VK_OEM_2 = 0xBF; // /?
constexpr UINT VK_OEM_3 = 0xC0; // `~
constexpr UINT VK_OEM_4 = 0xDB; // [{
constexpr UINT VK_OEM_5 = 0xDC; // \|
constexpr UINT VK_OEM_6 = 0xDD; // ]}
constexpr UINT VK_OEM_7 = 0xDE; // '"

// MAKELPARAM(x, y): each coordinate as a 16-bit value, so a point left of or above the client
// area reads back negative through GET_X_LPARAM and GET_Y_LPARAM.
constexpr LPARAM MakePointLParam(int x, int y) {
    return static_cast<LPARAM>(static_cast<DWORD>(static_cast<WORD>(x)) |
                               (static_cast<DWORD>(static_cast<WORD>(y)) << 16));
}
constexpr int GET_X_LPARAM(LPARAM lParam) {
    return static_cast<int16_t>(static_cast<WORD>(lParam));
}
constexpr int GET_Y_LPARAM(LPARAM lParam) {
    return static_cast<int16_t>(static_cast<WORD>(lParam >> 16));
}
