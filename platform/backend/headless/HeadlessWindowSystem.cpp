#include "platform/backend/headless/HeadlessWindowSystem.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/kernel/Clock.h"

#include <cstdio>

int HeadlessWindowSystem::ShowMessageBox(const MessageBoxRecord& box) {
    std::string text = box.text;
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    std::fprintf(stderr, "[%s] %s\n", box.caption.c_str(), text.c_str());
    std::fflush(stderr);
    return DefaultButton(box.type);
}

int HeadlessWindowSystem::Wait(std::span<pollfd> fds, int timeoutMs) {
    return CurrentClock().Poll(fds, timeoutMs);
}

void HeadlessWindowSystem::StartSystemMove(Window&) {
    ++m_systemMoves;
}

void HeadlessWindowSystem::Present(Window&, const RECT&) {
    ++m_presents;
}

int HeadlessWindowSystem::CreateTrayIcon(TrayIconClient& client) {
    int id = m_nextTray++;
    m_trayClients[id] = &client;
    m_trayStates[id] = TrayIconState{};
    return id;
}

void HeadlessWindowSystem::UpdateTrayIcon(int id, const TrayIconState& state) {
    if (m_trayStates.contains(id)) {
        m_trayStates[id] = state;
    }
}

void HeadlessWindowSystem::DestroyTrayIcon(int id) {
    m_trayClients.erase(id);
    m_trayStates.erase(id);
}

void HeadlessWindowSystem::ClickTrayIcon(int id, TrayEvent event, POINT at) {
    auto it = m_trayClients.find(id);
    if (it != m_trayClients.end() && m_trayStates[id].visible) {
        it->second->TrayEventArrived(event, at);
    }
}

void HeadlessWindowSystem::SetPopupMenuChoice(
    std::function<int(const std::vector<PopupMenuEntry>&)> choose) {
    m_choose = std::move(choose);
}

int HeadlessWindowSystem::TrackPopupMenu(const std::vector<PopupMenuEntry>& entries, POINT) {
    m_menus.push_back(entries);
    return m_choose ? m_choose(entries) : -1;
}
