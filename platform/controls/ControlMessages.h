#pragma once
// Window messages the controls handle beyond those of platform/window/Messages.h, with their
// Win32 numbers.

#include "platform/kernel/Types.h"

// wParam: the device context to erase on. A result of 1 says the background was taken care of.
constexpr UINT WM_ERASEBKGND = 0x0014;

// Posted by TCustomForm::Release; the form frees itself when the message arrives.
constexpr UINT CM_RELEASE = 0xB021;
