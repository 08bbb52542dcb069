#pragma once
// How Qt's pointer and key events read as the Win32 messages the controls expect.

#include "platform/kernel/Types.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <optional>

enum class ButtonTransition { Down, Up, DoubleClick };

// WM_LBUTTONDOWN and its kin for a left, right or middle button; nothing for the others.
std::optional<UINT> MouseButtonMessage(Qt::MouseButton button, ButtonTransition transition);

// The MK_ flags of the buttons held and of Shift and Ctrl, after the event.
WPARAM MouseKeyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

// The Windows virtual-key code of a key, 0 for a key without one. Letters and digits give the
// same code with or without Shift, as on a US keyboard.
UINT VirtualKeyCode(const QKeyEvent& event);

// A key message's lParam: repeat count 1, the scan code, the extended-key bit, Alt, the key's
// previous state (down for a release, and for a press of a key already down: a repeat) and
// the transition bit.
LPARAM KeyMessageParam(const QKeyEvent& event, bool released, bool wasDown);
