#pragma once

#include "platform/window/TrayIconHost.h"

#include <QSystemTrayIcon>

// One icon in the notification area. Clicks reach the client as the button events a Windows
// tray icon reports; the client shows its own menu, so Qt is given none.
class QtTrayIcon final : public QSystemTrayIcon {
public:
    explicit QtTrayIcon(TrayIconClient& client);

    // Hands Qt only what changed, so a hint set again with the same text costs nothing.
    void Update(const TrayIconState& state);
    // The client is going away: the icon hides and reports nothing more.
    void Detach();

private:
    void Report(QSystemTrayIcon::ActivationReason reason);

    TrayIconClient* m_client;
    TrayIconState m_state;
};
