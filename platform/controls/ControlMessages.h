#pragma once
// Window messages the controls handle beyond those of platform/window/Messages.h, with their
// Win32 numbers.

#include "platform/kernel/Types.h"

// wParam: the device context to erase on. A result of 1 says the background was taken care of.
constexpr UINT WM_ERASEBKGND = 0x0014;

// Posted by TCustomForm::Release; the form frees itself when the message arrives.
constexpr UINT CM_RELEASE = 0xB021;

// Sent by the input dispatcher when the keyboard focus moves from one control to another (not
// when the window is deactivated or activated): CM_EXIT to the control losing it, CM_ENTER to
// the one gaining it.
constexpr UINT CM_ENTER = 0xB00A;
constexpr UINT CM_EXIT = 0xB00B;
