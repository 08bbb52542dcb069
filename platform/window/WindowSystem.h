#pragma once
// What a window system backend does for the platform: mirror window records on a display (or
// keep them in memory), ask the user in message boxes, and wait for events. Window state itself
// lives in the platform's window records; the backend is told of every change.

#include "platform/dialogs/MessageBoxRecord.h"
#include "platform/kernel/Types.h"
#include "platform/window/TrayIconHost.h"

#include <poll.h>

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class Window;

enum class WindowChange { Bounds, Visibility, ZOrder, Foreground, State, Region, Text };

class WindowSystem {
public:
    virtual ~WindowSystem();

    virtual std::string Name() const = 0;

    virtual void WindowCreated(Window&) {}
    virtual void WindowDestroyed(Window&) {}
    virtual void WindowChanged(Window&, WindowChange) {}
    // The work area of the screen windows are placed on.
    virtual RECT ScreenBounds() const = 0;
    // The modifier keys held down now (MK_SHIFT, MK_CONTROL, MK_ALT), where the window system
    // can tell; none where it cannot.
    virtual std::optional<WPARAM> HeldModifiers() const { return std::nullopt; }
    // Moves the window with the pointer, as a drag of its caption would.
    virtual void StartSystemMove(Window&) {}

    // The window's surface changed inside `dirty` (window coordinates); the pixels must be on
    // the screen when this returns, as a refresh during a blocking animation expects.
    virtual void Present(Window&, const RECT& /*dirty*/) {}

    // Tray icons: ids are the backend's, never 0.
    virtual int CreateTrayIcon(TrayIconClient& client) = 0;
    virtual void UpdateTrayIcon(int id, const TrayIconState& state) = 0;
    virtual void DestroyTrayIcon(int id) = 0;

    // Shows a popup menu at a screen position until the user picks an entry or dismisses it;
    // returns the entry's index or -1.
    virtual int TrackPopupMenu(const std::vector<PopupMenuEntry>& entries, POINT at) = 0;

    // Shows a modal message box and returns the button chosen (IDOK, IDYES, ...).
    virtual int ShowMessageBox(const MessageBoxRecord& box) = 0;

    // Waits until a descriptor is readable, a backend event arrived, or the time-out
    // (milliseconds, -1 for none) passed; dispatches backend input on the way.
    virtual int Wait(std::span<pollfd> fds, int timeoutMs) = 0;
};

// The window system in use; the headless one until another is installed.
WindowSystem& CurrentWindowSystem();
void InstallWindowSystem(std::unique_ptr<WindowSystem> system);
