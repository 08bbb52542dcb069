#pragma once

#include "platform/window/TrayIconHost.h"

#include <QMenu>
#include <QSystemTrayIcon>

#include <memory>
#include <vector>

// One icon in the notification area. Clicks reach the client as the button events a Windows
// tray icon reports; the client shows its own menu, so Qt is given none.
//
// On an XEmbed tray Qt shows the icon in a widget of its own and reports a click when the
// button goes down, with no word of the release. The icon watches that widget's button events
// instead, so presses and releases arrive apart as on Windows. Where the tray host reports
// only whole clicks (StatusNotifierItem), a click is its press followed by its release.
//
// A StatusNotifierItem host has no double click and shows the item's menu itself: there the
// host's activation (its primary click) is reported as a double click, which is what restores
// the program on an XEmbed tray, and the client's menu is handed to Qt, which exports it to
// the host.
class QtTrayIcon final : public QSystemTrayIcon {
public:
    explicit QtTrayIcon(TrayIconClient& client);

    // Hands Qt only what changed, so a hint set again with the same text costs nothing.
    void Update(const TrayIconState& state);
    // The client is going away: the icon hides and reports nothing more.
    void Detach();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Report(QSystemTrayIcon::ActivationReason reason);
    void Deliver(const std::vector<TrayEvent>& events);
    // Whether the object is the widget Qt shows this icon in on an XEmbed tray.
    bool IsOwnTrayWidget(QObject* object) const;
    // Whether Qt shows the icon through a StatusNotifierItem host rather than an XEmbed tray.
    bool OnStatusNotifierHost() const;
    void UpdateMenu(const std::vector<PopupMenuEntry>& entries);

    TrayIconClient* m_client;
    TrayIconState m_state;
    // Set once the icon's own widget reported a button; Qt's click reports are left out then.
    bool m_watchingButtons = false;
    // The menu handed to Qt on a StatusNotifierItem host, made once it is needed.
    std::unique_ptr<QMenu> m_menu;
    std::vector<PopupMenuEntry> m_menuEntries;
};
