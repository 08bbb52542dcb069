#include "platform/window/WindowCalls.h"

#include "platform/kernel/LastError.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"
#include "platform/window/WindowSystem.h"

namespace {

Window* Find(HWND hWnd) {
    Window* window = FindWindow(hWnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
    }
    return window;
}

} // namespace

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    Window* window = Find(hWnd);
    if (window == nullptr) {
        return FALSE;
    }
    RECT bounds = window->Bounds();
    if ((uFlags & SWP_NOMOVE) == 0) {
        bounds = RECT{X, Y, X + (bounds.right - bounds.left), Y + (bounds.bottom - bounds.top)};
    }
    if ((uFlags & SWP_NOSIZE) == 0) {
        bounds.right = bounds.left + cx;
        bounds.bottom = bounds.top + cy;
    }
    window->SetBounds(bounds);
    // The window's procedure hears of each change and may destroy the window meanwhile.
    if ((window = FindWindow(hWnd)) == nullptr) {
        return TRUE;
    }
    if ((uFlags & SWP_NOZORDER) == 0) {
        if (hWndInsertAfter == HWND_TOPMOST) {
            window->SetTopmost(true);
        } else if (hWndInsertAfter == HWND_NOTOPMOST) {
            window->SetTopmost(false);
        } else if (hWndInsertAfter == HWND_TOP) {
            BringToFront(*window);
        }
    }
    if ((uFlags & SWP_SHOWWINDOW) != 0) {
        window->SetVisible(true);
    } else if ((uFlags & SWP_HIDEWINDOW) != 0) {
        window->SetVisible(false);
    }
    if ((window = FindWindow(hWnd)) == nullptr) {
        return TRUE;
    }
    if ((uFlags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) == 0 && window->Style().topLevel &&
        window->Visible() && (uFlags & SWP_NOZORDER) == 0) {
        SetForegroundWindowRecord(hWnd);
    }
    return TRUE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    Window* window = Find(hWnd);
    if (window == nullptr) {
        return FALSE;
    }
    BOOL wasVisible = window->Visible() ? TRUE : FALSE;
    bool activate = window->Style().topLevel;
    switch (nCmdShow) {
    case SW_HIDE:
        window->SetVisible(false);
        return wasVisible;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
        window->SetShowState(WindowShowState::Minimized);
        window->SetVisible(true);
        return wasVisible;
    case SW_SHOWNA:
        window->SetVisible(true);
        return wasVisible;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
        window->SetShowState(WindowShowState::Normal);
        window->SetVisible(true);
        break;
    default:
        window->SetVisible(true);
        break;
    }
    // The window's procedure hears that it was shown and may destroy it meanwhile.
    if (activate && FindWindow(hWnd) != nullptr) {
        SetForegroundWindowRecord(hWnd);
    }
    return wasVisible;
}

BOOL SetForegroundWindow(HWND hWnd) {
    if (Find(hWnd) == nullptr) {
        return FALSE;
    }
    SetForegroundWindowRecord(hWnd);
    return TRUE;
}

HWND GetForegroundWindow() {
    return GetForegroundWindowRecord();
}

BOOL IsWindowVisible(HWND hWnd) {
    Window* window = FindWindow(hWnd);
    return window != nullptr && window->Visible() ? TRUE : FALSE;
}

BOOL GetWindowRect(HWND hWnd, RECT* rect) {
    Window* window = Find(hWnd);
    if (window == nullptr || rect == nullptr) {
        return FALSE;
    }
    *rect = window->Bounds();
    return TRUE;
}

BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (hWnd && Find(hWnd) == nullptr) {
        return FALSE;
    }
    MessageLoop::Instance().Post(MSG{hWnd, Msg, wParam, lParam});
    return TRUE;
}

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Window* window = Find(hWnd);
    return window == nullptr ? 0 : window->Deliver(Msg, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    MessageLoop::Instance().Post(MSG{HWND{}, WM_QUIT, static_cast<WPARAM>(exitCode), 0});
}
