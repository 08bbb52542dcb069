#include "platform/backend/qt/QtTrayIcon.h"

#include "platform/backend/qt/SurfaceImage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
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
    QCoreApplication::instance()->installEventFilter(this);
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
    if (OnStatusNotifierHost() && (m_menu == nullptr || state.menu != m_menuEntries)) {
        UpdateMenu(state.menu);
    }
}

bool QtTrayIcon::OnStatusNotifierHost() const {
    // Qt makes a widget of its own for each icon it puts on an XEmbed tray, and none where a
    // StatusNotifierItem host shows the icons.
    if (!isVisible()) {
        return false;
    }
    const QWidgetList widgets = QApplication::topLevelWidgets();
    return std::none_of(widgets.begin(), widgets.end(), [](const QWidget* widget) {
        return widget->inherits("QSystemTrayIconSys");
    });
}

void QtTrayIcon::UpdateMenu(const std::vector<PopupMenuEntry>& entries) {
    if (m_menu == nullptr) {
        m_menu = std::make_unique<QMenu>();
        setContextMenu(m_menu.get());
    }
    m_menu->clear();
    for (size_t i = 0; i < entries.size(); ++i) {
        const PopupMenuEntry& entry = entries[i];
        if (!entry.visible) {
            continue;
        }
        if (entry.caption == "-") {
            m_menu->addSeparator();
            continue;
        }
        QAction* action = m_menu->addAction(QString::fromUtf8(entry.caption));
        action->setEnabled(entry.enabled);
        action->setCheckable(entry.checked);
        action->setChecked(entry.checked);
        const int index = static_cast<int>(i);
        connect(action, &QAction::triggered, this, [this, index] {
            if (m_client != nullptr) {
                m_client->TrayMenuEntryChosen(index);
            }
        });
    }
    m_menuEntries = entries;
}

void QtTrayIcon::Detach() {
    m_client = nullptr;
    hide();
}

bool QtTrayIcon::IsOwnTrayWidget(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && widget->inherits("QSystemTrayIconSys") &&
           QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()) == geometry();
}

bool QtTrayIcon::eventFilter(QObject* watched, QEvent* event) {
    QEvent::Type type = event->type();
    if ((type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
         type != QEvent::MouseButtonDblClick) ||
        !IsOwnTrayWidget(watched)) {
        return false;
    }
    m_watchingButtons = true;
    Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    if (button != Qt::LeftButton && button != Qt::RightButton) {
        return false;
    }
    bool left = button == Qt::LeftButton;
    switch (type) {
    case QEvent::MouseButtonPress:
        Deliver({left ? TrayEvent::LeftDown : TrayEvent::RightDown});
        break;
    case QEvent::MouseButtonRelease:
        Deliver({left ? TrayEvent::LeftUp : TrayEvent::RightUp});
        break;
    default:
        // The second press of a double click.
        Deliver({left ? TrayEvent::LeftDoubleClick : TrayEvent::RightDown});
        break;
    }
    // Qt's own handling goes on and reports the click, which Report leaves out.
    return false;
}

void QtTrayIcon::Report(QSystemTrayIcon::ActivationReason reason) {
    if (m_watchingButtons) {
        return;
    }
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        if (OnStatusNotifierHost()) {
            Deliver({TrayEvent::LeftDown, TrayEvent::LeftUp, TrayEvent::LeftDoubleClick,
                     TrayEvent::LeftUp});
        } else {
            Deliver({TrayEvent::LeftDown, TrayEvent::LeftUp});
        }
        break;
    case QSystemTrayIcon::Context:
        Deliver({TrayEvent::RightDown, TrayEvent::RightUp});
        break;
    case QSystemTrayIcon::DoubleClick:
        Deliver({TrayEvent::LeftDoubleClick});
        break;
    default:
        break;
    }
}

void QtTrayIcon::Deliver(const std::vector<TrayEvent>& events) {
    QPoint pointer = QCursor::pos();
    POINT at{pointer.x(), pointer.y()};
    for (TrayEvent event : events) {
        // A handler may destroy the icon's owner, which detaches the icon.
        if (m_client == nullptr) {
            return;
        }
        m_client->TrayEventArrived(event, at);
    }
}
