#pragma once
// Pointer and keyboard input for a top-level window record, delivered the way a window system
// delivers it: Win32 mouse and key messages on the top-level window, points in its client
// coordinates, the held buttons in the mouse messages' wParam.

#include "platform/kernel/Handle.h"
#include "platform/window/InputCodes.h"
#include "platform/window/Window.h"

enum class PointerButton { Left, Right, Middle };

class HeadlessPointer {
public:
    explicit HeadlessPointer(HWND window) : m_window(window) {}

    POINT Position() const { return m_at; }
    void SetModifiers(WPARAM modifiers) { m_modifiers = modifiers & (MK_SHIFT | MK_CONTROL); }

    void MoveTo(int x, int y) {
        m_at = POINT{x, y};
        Send(WM_MOUSEMOVE);
    }
    void Press(PointerButton button) {
        m_buttons |= Flag(button);
        Send(Message(button, WM_LBUTTONDOWN));
    }
    void Release(PointerButton button) {
        m_buttons &= ~Flag(button);
        Send(Message(button, WM_LBUTTONUP));
    }
    // The message a window system sends for the second press of a double click it recognised.
    void PressAsDoubleClick(PointerButton button) {
        m_buttons |= Flag(button);
        Send(Message(button, WM_LBUTTONDBLCLK));
    }
    void Click(PointerButton button, int x, int y) {
        MoveTo(x, y);
        Press(button);
        Release(button);
    }

private:
    static WPARAM Flag(PointerButton button) {
        switch (button) {
        case PointerButton::Right:
            return MK_RBUTTON;
        case PointerButton::Middle:
            return MK_MBUTTON;
        case PointerButton::Left:
            break;
        }
        return MK_LBUTTON;
    }
    // Left, right and middle messages lie 3 apart, in the same order within each button.
    static UINT Message(PointerButton button, UINT leftMessage) {
        return leftMessage + 3 * static_cast<UINT>(button);
    }
    void Send(UINT message) {
        if (Window* window = FindWindow(m_window)) {
            window->Deliver(message, m_buttons | m_modifiers, MakePointLParam(m_at.x, m_at.y));
        }
    }

    HWND m_window;
    POINT m_at;
    WPARAM m_buttons = 0;
    WPARAM m_modifiers = 0;
};

class HeadlessKeyboard {
public:
    explicit HeadlessKeyboard(HWND window) : m_window(window) {}

    void KeyDown(UINT virtualKey) { Send(WM_KEYDOWN, virtualKey, 0x00000001); }
    void KeyUp(UINT virtualKey) { Send(WM_KEYUP, virtualKey, 0xC0000001); }
    void Character(char character) {
        Send(WM_CHAR, static_cast<unsigned char>(character), 0x00000001);
    }
    // Down, the character a printable key or Enter makes, up.
    void Type(UINT virtualKey, char character = 0) {
        KeyDown(virtualKey);
        if (character != 0) {
            Character(character);
        }
        KeyUp(virtualKey);
    }

private:
    void Send(UINT message, WPARAM wParam, LPARAM lParam) {
        if (Window* window = FindWindow(m_window)) {
            window->Deliver(message, wParam, lParam);
        }
    }

    HWND m_window;
};
