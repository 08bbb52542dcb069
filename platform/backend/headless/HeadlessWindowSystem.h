#pragma once
// The window system without a display: windows exist only as the platform's records, message
// boxes are written to standard error as one line each and answered with their default button,
// and waiting is the current clock's, so a virtual clock makes waits instant.

#include "platform/window/WindowSystem.h"

#include <functional>
#include <map>

class HeadlessWindowSystem final : public WindowSystem {
public:
    std::string Name() const override { return "headless"; }
    RECT ScreenBounds() const override { return RECT{0, 0, 1280, 1024}; }
    int ShowMessageBox(const MessageBoxRecord& box) override;
    int Wait(std::span<pollfd> fds, int timeoutMs) override;
    void StartSystemMove(Window& window) override;
    void Present(Window& window, const RECT& dirty) override;

    int CreateTrayIcon(TrayIconClient& client) override;
    void UpdateTrayIcon(int id, const TrayIconState& state) override;
    void DestroyTrayIcon(int id) override;
    int TrackPopupMenu(const std::vector<PopupMenuEntry>& entries, POINT at) override;

    // What tests see and do in the notification area.
    const std::map<int, TrayIconState>& TrayIcons() const { return m_trayStates; }
    void ClickTrayIcon(int id, TrayEvent event, POINT at = {});
    // Chooses the entry the next popup menu answers with (-1: dismissed, the default).
    void SetPopupMenuChoice(std::function<int(const std::vector<PopupMenuEntry>&)> choose);
    const std::vector<std::vector<PopupMenuEntry>>& PopupMenusShown() const { return m_menus; }
    int PresentCount() const { return m_presents; }

    // How many system moves were asked for; a move itself needs a pointer to follow.
    int SystemMoveCount() const { return m_systemMoves; }

private:
    int m_systemMoves = 0;
    int m_presents = 0;
    int m_nextTray = 1;
    std::map<int, TrayIconClient*> m_trayClients;
    std::map<int, TrayIconState> m_trayStates;
    std::function<int(const std::vector<PopupMenuEntry>&)> m_choose;
    std::vector<std::vector<PopupMenuEntry>> m_menus;
};
