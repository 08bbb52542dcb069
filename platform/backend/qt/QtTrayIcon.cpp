#include "platform/backend/qt/QtTrayIcon.h"

#include "platform/backend/qt/SurfaceImage.h"

#include <QCursor>
#include <QPixmap>

#include <vector>

namespace {

QIcon IconFrom(const Surface& surface) {
    if (surface.Empty()) {
        QPixmap blank(16, 16);
        blank.fill(Qt::transparent);
        return QIcon(blank);
    }
    // A surface leaves the alpha byte 0; a tray may show icons with their alpha, so the
    // conversion makes every pixel opaque.
    return QIcon(QPixmap::fromImage(SurfaceImage(surface).convertToFormat(QImage::Format_ARGB32)));
}

} // namespace

QtTrayIcon::QtTrayIcon(TrayIconClient& client) : m_client(&client) {
    setIcon(IconFrom(m_state.icon));
    connect(this, &QSystemTrayIcon::activated, this, &QtTrayIcon::Report);
}

void QtTrayIcon::Update(const TrayIconState& state) {
    if (!(state.icon == m_state.icon)) {
        setIcon(IconFrom(state.icon));
    }
    if (state.hint != m_state.hint) {
        setToolTip(QString::fromUtf8(state.hint));
    }
    if (state.visible != m_state.visible) {
        setVisible(state.visible);
    }
    m_state = state;
}

void QtTrayIcon::Detach() {
    m_client = nullptr;
    hide();
}

void QtTrayIcon::Report(QSystemTrayIcon::ActivationReason reason) {
    QPoint pointer = QCursor::pos();
    POINT at{pointer.x(), pointer.y()};
    std::vector<TrayEvent> events;
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        events = {TrayEvent::LeftDown, TrayEvent::LeftUp};
        break;
    case QSystemTrayIcon::Context:
        events = {TrayEvent::RightDown, TrayEvent::RightUp};
        break;
    case QSystemTrayIcon::DoubleClick:
        events = {TrayEvent::LeftDoubleClick};
        break;
    default:
        return;
    }
    for (TrayEvent event : events) {
        // A handler may destroy the icon's owner, which detaches the icon.
        if (m_client == nullptr) {
            return;
        }
        m_client->TrayEventArrived(event, at);
    }
}
