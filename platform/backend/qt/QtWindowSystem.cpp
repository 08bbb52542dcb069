#include "platform/backend/qt/QtWindowSystem.h"

#include "platform/backend/qt/EventWait.h"
#include "platform/backend/qt/MessageBoxDialog.h"
#include "platform/backend/qt/PopupMenu.h"
#include "platform/backend/qt/QtTrayIcon.h"
#include "platform/backend/qt/TopLevelWidget.h"
#include "platform/window/InputCodes.h"
#include "platform/window/Window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <iterator>

QtWindowSystem::QtWindowSystem(int& argc, char** argv) {
    // Skins are drawn pixel for pixel; a scaled window would blur them and misplace input.
    if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING")) {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }
    m_application = std::make_unique<QApplication>(argc, argv);
    // The program decides when it ends, not the last window that closes.
    m_application->setQuitOnLastWindowClosed(false);
    m_wait = std::make_unique<EventWait>();
}

QtWindowSystem::~QtWindowSystem() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (auto& [handle, widget] : m_widgets) {
        delete widget;
    }
    for (auto& [id, icon] : m_trayIcons) {
        delete icon;
    }
}

TopLevelWidget* QtWindowSystem::WidgetOf(const Window& window) const {
    auto it = m_widgets.find(window.Handle());
    return it == m_widgets.end() ? nullptr : it->second;
}

void QtWindowSystem::WindowCreated(Window& window) {
    if (window.Style().topLevel) {
        m_widgets[window.Handle()] = new TopLevelWidget(window);
    }
}

void QtWindowSystem::WindowDestroyed(Window& window) {
    auto it = m_widgets.find(window.Handle());
    if (it == m_widgets.end()) {
        return;
    }
    // The window may be destroyed from inside one of its widget's own event handlers, so Qt
    // deletes the widget once that handler has returned.
    it->second->Detach();
    it->second->deleteLater();
    m_widgets.erase(it);
}

void QtWindowSystem::WindowChanged(Window& window, WindowChange change) {
    TopLevelWidget* widget = WidgetOf(window);
    if (widget == nullptr) {
        return;
    }
    widget->Mirror(change);
    if (change == WindowChange::Visibility || change == WindowChange::ZOrder ||
        change == WindowChange::Foreground) {
        Restack(window);
    }
}

// Raises the window, then the program's windows that the records keep in front of it, back to
// front. A window manager keeps windows that stay on top above those of other programs; this
// keeps the program's own in their order, with a window manager or without one.
void QtWindowSystem::Restack(const Window& window) {
    std::vector<Window*> order = TopLevelZOrder();
    auto at = std::find(order.begin(), order.end(), &window);
    if (at == order.end() || !window.Visible()) {
        return;
    }
    for (auto it = std::make_reverse_iterator(at + 1); it != order.rend(); ++it) {
        TopLevelWidget* widget = WidgetOf(**it);
        if (widget != nullptr && widget->isVisible()) {
            widget->raise();
        }
    }
}

RECT QtWindowSystem::ScreenBounds() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return RECT{};
    }
    QRect area = screen->availableGeometry();
    return RECT{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

std::optional<WPARAM> QtWindowSystem::HeldModifiers() const {
    // Asks the X server, not the last events, so keys let go over another window count.
    Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    WPARAM state = 0;
    if (held.testFlag(Qt::ShiftModifier)) {
        state |= MK_SHIFT;
    }
    if (held.testFlag(Qt::ControlModifier)) {
        state |= MK_CONTROL;
    }
    if (held.testFlag(Qt::AltModifier)) {
        state |= MK_ALT;
    }
    return state;
}

void QtWindowSystem::StartSystemMove(Window& window) {
    if (TopLevelWidget* widget = WidgetOf(window)) {
        widget->StartMove();
    }
}

void QtWindowSystem::Present(Window& window, const RECT& dirty) {
    if (TopLevelWidget* widget = WidgetOf(window)) {
        widget->Present(dirty);
    }
}

int QtWindowSystem::CreateTrayIcon(TrayIconClient& client) {
    int id = m_nextTrayId++;
    m_trayIcons[id] = new QtTrayIcon(client);
    return id;
}

void QtWindowSystem::UpdateTrayIcon(int id, const TrayIconState& state) {
    auto it = m_trayIcons.find(id);
    if (it != m_trayIcons.end()) {
        it->second->Update(state);
    }
}

void QtWindowSystem::DestroyTrayIcon(int id) {
    auto it = m_trayIcons.find(id);
    if (it == m_trayIcons.end()) {
        return;
    }
    // As with windows: a click handler of the icon may be what destroys it.
    it->second->Detach();
    it->second->deleteLater();
    m_trayIcons.erase(it);
}

int QtWindowSystem::TrackPopupMenu(const std::vector<PopupMenuEntry>& entries, POINT at) {
    return ExecPopupMenu(entries, at);
}

int QtWindowSystem::ShowMessageBox(const MessageBoxRecord& box) {
    QWidget* owner = nullptr;
    if (Window* window = FindWindow(box.owner)) {
        TopLevelWidget* widget = WidgetOf(*window);
        owner = widget != nullptr && widget->isVisible() ? widget : nullptr;
    }
    return ExecMessageBox(box, owner);
}

int QtWindowSystem::Wait(std::span<pollfd> fds, int timeoutMs) {
    return m_wait->Wait(fds, timeoutMs);
}

std::unique_ptr<WindowSystem> CreateQtWindowSystem(int& argc, char** argv) {
    return std::make_unique<QtWindowSystem>(argc, argv);
}
