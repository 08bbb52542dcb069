#pragma once
// The Win32 window calls the program makes, on the platform's window records.

#include "platform/kernel/Handle.h"
#include "platform/kernel/Types.h"

inline const HWND HWND_TOP{0u};
inline const HWND HWND_BOTTOM{1u};
inline const HWND HWND_TOPMOST{0xFFFFFFFFu};
inline const HWND HWND_NOTOPMOST{0xFFFFFFFEu};

constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_FRAMECHANGED = 0x0020;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);
// Returns whether the window was visible before.
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL SetForegroundWindow(HWND hWnd);
HWND GetForegroundWindow();
BOOL IsWindowVisible(HWND hWnd);
BOOL GetWindowRect(HWND hWnd, RECT* rect);

BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
