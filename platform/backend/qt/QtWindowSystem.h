#pragma once
// The window system on Qt 6 Widgets. Each visible top-level window record is one frameless
// widget that shows the record's surface; child records are drawn into that surface by the
// controls and never become widgets. Qt's own headers stay behind this file.

#include "platform/backend/qt/EventWait.h"
#include "platform/kernel/Handle.h"
#include "platform/window/WindowSystem.h"

#include <map>
#include <memory>
#include <unordered_map>

class QApplication;
class QtTrayIcon;
class TopLevelWidget;

class QtWindowSystem final : public WindowSystem {
public:
    // Qt takes its own options (-platform, -display, ...) out of argc and argv; argc must live
    // as long as the window system does.
    QtWindowSystem(int& argc, char** argv);
    ~QtWindowSystem() override;

    std::string Name() const override { return "qt"; }

    void WindowCreated(Window& window) override;
    void WindowDestroyed(Window& window) override;
    void WindowChanged(Window& window, WindowChange change) override;
    RECT ScreenBounds() const override;
    std::optional<WPARAM> HeldModifiers() const override;
    void StartSystemMove(Window& window) override;
    void Present(Window& window, const RECT& dirty) override;

    int CreateTrayIcon(TrayIconClient& client) override;
    void UpdateTrayIcon(int id, const TrayIconState& state) override;
    void DestroyTrayIcon(int id) override;
    int TrackPopupMenu(const std::vector<PopupMenuEntry>& entries, POINT at) override;

    int ShowMessageBox(const MessageBoxRecord& box) override;
    int Wait(std::span<pollfd> fds, int timeoutMs) override;

private:
    TopLevelWidget* WidgetOf(const Window& window) const;
    void Restack(const Window& window);

    // Declared first, so the widgets and tray icons go before it.
    std::unique_ptr<QApplication> m_application;
    std::unordered_map<HWND, TopLevelWidget*> m_widgets;
    std::map<int, QtTrayIcon*> m_trayIcons;
    int m_nextTrayId = 1;
    // Made once the application exists: it keeps the application's dispatcher and connection.
    std::unique_ptr<EventWait> m_wait;
};

std::unique_ptr<WindowSystem> CreateQtWindowSystem(int& argc, char** argv);
