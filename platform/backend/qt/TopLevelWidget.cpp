#include "platform/backend/qt/TopLevelWidget.h"

#include "platform/backend/qt/SurfaceImage.h"
#include "platform/backend/qt/X11Calls.h"
#include "platform/window/InputCodes.h"
#include "platform/window/Window.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWindow>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

QRect RectOf(const RECT& rect) {
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

QRegion MaskOf(const Region& region) {
    QRegion mask;
    for (const RECT& rect : region.Rects()) {
        mask += RectOf(rect);
    }
    return mask;
}

LPARAM PointParam(QPoint point) {
    return MakePointLParam(point.x(), point.y());
}

} // namespace

TopLevelWidget::TopLevelWidget(Window& record) : m_record(&record) {
    // The surface paints every pixel, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Showing a window does not activate it; activation is a change of its own.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QString::fromUtf8(record.Text()));
    ApplyFlags();
    ApplyBounds();
}

void TopLevelWidget::Detach() {
    m_record = nullptr;
    hide();
}

void TopLevelWidget::Mirror(WindowChange change) {
    if (m_record == nullptr) {
        return;
    }
    switch (change) {
    case WindowChange::Bounds:
        ApplyBounds();
        break;
    case WindowChange::Visibility:
        ApplyVisibility();
        break;
    case WindowChange::ZOrder:
        ApplyFlags();
        break;
    case WindowChange::Foreground:
        if (isVisible()) {
            activateWindow();
            FocusOnServer(*this);
        }
        break;
    case WindowChange::State:
        ApplyShowState();
        break;
    case WindowChange::Region:
        if (m_record->GetRegion()) {
            setMask(MaskOf(*m_record->GetRegion()));
        } else {
            clearMask();
        }
        break;
    case WindowChange::Text:
        setWindowTitle(QString::fromUtf8(m_record->Text()));
        break;
    }
}

// A form of the class library is owned by the application window, and only that window has
// a taskbar button; it has no area and is never shown here. So no window shown here gets a
// taskbar button: each is a tool window that asks taskbars to skip it.
void TopLevelWidget::ApplyFlags() {
    bool frameless = m_record->Style().frameless;
    bool topmost = m_record->Topmost();
    if (windowType() == Qt::Tool && windowFlags().testFlag(Qt::FramelessWindowHint) == frameless &&
        windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost) {
        return;
    }
    Qt::WindowFlags flags = Qt::Tool;
    flags.setFlag(Qt::FramelessWindowHint, frameless);
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    if (windowHandle() == nullptr) {
        setWindowFlags(flags);
        return;
    }
    // New flags set on the widget would destroy its window and make a hidden one; the window
    // takes them where it is.
    overrideWindowFlags(flags);
    windowHandle()->setFlags(flags);
}

void TopLevelWidget::ApplyBounds() {
    const RECT& bounds = m_record->Bounds();
    QRect wanted(bounds.left, bounds.top, std::max<LONG>(0, bounds.right - bounds.left),
                 std::max<LONG>(0, bounds.bottom - bounds.top));
    if (!wanted.isEmpty() && geometry() != wanted) {
        m_applying = true;
        setGeometry(wanted);
        m_applying = false;
    }
    ApplyVisibility();
}

void TopLevelWidget::ApplyVisibility() {
    const RECT& bounds = m_record->Bounds();
    bool wanted = m_record->Visible() && bounds.right > bounds.left && bounds.bottom > bounds.top;
    if (wanted == isVisible()) {
        return;
    }
    if (!wanted) {
        hide();
        return;
    }
    MarkSkipTaskbar(*this);
    if (m_record->ShowState() == WindowShowState::Minimized) {
        showMinimized();
    } else {
        show();
    }
    // What was drawn while the window was hidden never reached the screen: paint it all.
    m_shownValid = false;
    update();
}

void TopLevelWidget::ApplyShowState() {
    if (!isVisible()) {
        return;
    }
    bool minimized = m_record->ShowState() == WindowShowState::Minimized;
    if (minimized && !isMinimized()) {
        showMinimized();
    } else if (!minimized && isMinimized()) {
        showNormal();
    }
}

QRect TopLevelWidget::ChangedPart(const QRect& dirty) const {
    const Surface& surface = m_record->GetSurface();
    QRect area = dirty & QRect(0, 0, surface.Width(), surface.Height());
    if (area.isEmpty() || !m_shownValid ||
        m_shown.size() != QSize(surface.Width(), surface.Height())) {
        return area;
    }
    int top = -1;
    int bottom = -1;
    int left = INT_MAX;
    int right = -1;
    const int width = area.width();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uint32_t* now = surface.Row(y) + area.left();
        const auto* shown =
            reinterpret_cast<const uint32_t*>(m_shown.constScanLine(y)) + area.left();
        if (std::memcmp(now, shown, size_t(width) * 4) == 0) {
            continue;
        }
        int first = 0;
        while (now[first] == shown[first]) {
            ++first;
        }
        int last = width - 1;
        while (now[last] == shown[last]) {
            --last;
        }
        left = std::min(left, first);
        right = std::max(right, last);
        if (top < 0) {
            top = y;
        }
        bottom = y;
    }
    if (top < 0) {
        return QRect();
    }
    return QRect(QPoint(area.left() + left, top), QPoint(area.left() + right, bottom));
}

void TopLevelWidget::Present(const RECT& dirty) {
    if (m_record == nullptr || !isVisible()) {
        return;
    }
    QRect changed = ChangedPart(RectOf(dirty));
    if (changed.isEmpty()) {
        return;
    }
    repaint(changed);
    SyncWithXServer();
}

void TopLevelWidget::RememberShown(const QRect& area) {
    const Surface& surface = m_record->GetSurface();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::memcpy(m_shown.scanLine(y) + area.left() * 4, surface.Row(y) + area.left(),
                    size_t(area.width()) * 4);
    }
}

void TopLevelWidget::paintEvent(QPaintEvent* event) {
    if (m_record == nullptr) {
        return;
    }
    const Surface& surface = m_record->GetSurface();
    QRect whole(0, 0, surface.Width(), surface.Height());
    if (m_shown.size() != whole.size()) {
        m_shown = QImage(whole.size(), QImage::Format_RGB32);
        m_shownValid = false;
    }
    QImage image = SurfaceImage(surface);
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& rect : event->region()) {
        QRect inside = rect & whole;
        if (inside != rect) {
            painter.fillRect(rect, Qt::black);
        }
        if (!inside.isEmpty()) {
            painter.drawImage(inside.topLeft(), image, inside);
            RememberShown(inside);
        }
    }
    if ((QRegion(whole) - event->region()).isEmpty()) {
        m_shownValid = true;
    }
}

void TopLevelWidget::Send(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_record != nullptr) {
        m_record->Deliver(message, wParam, lParam);
    }
}

void TopLevelWidget::SendButton(const QMouseEvent& event, ButtonTransition transition) {
    if (auto message = MouseButtonMessage(event.button(), transition)) {
        Send(*message, MouseKeyState(event.buttons(), event.modifiers()),
             PointParam(event.position().toPoint()));
    }
}

void TopLevelWidget::mousePressEvent(QMouseEvent* event) {
    m_move = Move::None;
    m_pressedAt = event->globalPosition().toPoint();
    SendButton(*event, ButtonTransition::Down);
}

void TopLevelWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    m_move = Move::None;
    SendButton(*event, ButtonTransition::DoubleClick);
}

// As on Windows, the release that ends a move belongs to the move and is not reported.
void TopLevelWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (m_move != Move::None) {
        m_move = Move::None;
        return;
    }
    SendButton(*event, ButtonTransition::Up);
}

void TopLevelWidget::mouseMoveEvent(QMouseEvent* event) {
    // A window manager that ran the move may keep the release to itself; the first move
    // without a button shows the move is over.
    if (m_move != Move::None && event->buttons() == Qt::NoButton) {
        m_move = Move::None;
    }
    if (m_move == Move::FollowingPointer) {
        move(event->globalPosition().toPoint() - m_grabOffset);
        return;
    }
    if (m_move == Move::BySystem) {
        return;
    }
    Send(WM_MOUSEMOVE, MouseKeyState(event->buttons(), event->modifiers()),
         PointParam(event->position().toPoint()));
}

// Controls that track the pointer hold the capture on Windows and so see it leave as a move
// outside the window; X sends no such moves, so the leaving is reported as one. A shaped
// window is left through its cut-away parts too.
void TopLevelWidget::leaveEvent(QEvent*) {
    if (m_record == nullptr) {
        return;
    }
    QPoint at = mapFromGlobal(QCursor::pos());
    const std::optional<Region>& shape = m_record->GetRegion();
    bool inside = rect().contains(at) && (!shape || shape->Contains(at.x(), at.y()));
    if (m_move == Move::None && !inside) {
        Send(WM_MOUSEMOVE,
             MouseKeyState(QGuiApplication::mouseButtons(), QGuiApplication::keyboardModifiers()),
             PointParam(at));
    }
}

void TopLevelWidget::StartMove() {
    if (!isVisible() || QGuiApplication::mouseButtons() == Qt::NoButton) {
        return;
    }
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) {
        m_move = Move::BySystem;
        return;
    }
    // Without a window manager that moves windows, the window follows the pointer itself.
    m_move = Move::FollowingPointer;
    // The press, not the pointer now: the pointer may have moved on since.
    m_grabOffset = m_pressedAt - geometry().topLeft();
}

void TopLevelWidget::moveEvent(QMoveEvent*) {
    if (m_record == nullptr || m_applying || !isVisible()) {
        return;
    }
    QPoint at = geometry().topLeft();
    RECT bounds = m_record->Bounds();
    if (at.x() == bounds.left && at.y() == bounds.top) {
        return;
    }
    m_record->SetBounds(RECT{at.x(), at.y(), at.x() + (bounds.right - bounds.left),
                             at.y() + (bounds.bottom - bounds.top)});
}

void TopLevelWidget::keyPressEvent(QKeyEvent* event) {
    // A press of a key that is down already is a repeat, as Windows marks it.
    bool wasDown = !m_heldKeys.insert(event->nativeScanCode()).second;
    LPARAM param = KeyMessageParam(*event, false, wasDown);
    UINT code = VirtualKeyCode(*event);
    if (code != 0) {
        Send(WM_KEYDOWN, code, param);
    }
    // X gives the Delete key the character DEL; Windows gives it none.
    if (code == VK_DELETE) {
        return;
    }
    // The system code page is UTF-8, so a character reaches a window as its UTF-8 bytes.
    for (char byte : event->text().toUtf8()) {
        Send(WM_CHAR, static_cast<unsigned char>(byte), param);
    }
}

void TopLevelWidget::keyReleaseEvent(QKeyEvent* event) {
    // X repeats a held key as release and press pairs; Windows repeats only the key down. Qt
    // recognises a pair only when the press is already queued, so the server is asked too.
    if (event->isAutoRepeat() || KeyHeldOnServer(event->nativeScanCode())) {
        return;
    }
    m_heldKeys.erase(event->nativeScanCode());
    if (UINT code = VirtualKeyCode(*event)) {
        Send(WM_KEYUP, code, KeyMessageParam(*event, true, true));
    }
}

void TopLevelWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || m_record == nullptr) {
        return;
    }
    HWND handle = m_record->Handle();
    if (isActiveWindow()) {
        if (GetForegroundWindowRecord() != handle) {
            SetForegroundWindowRecord(handle);
        }
        return;
    }
    // Keys let go while another window has the keyboard are never released here.
    m_heldKeys.clear();
    ClearForegroundWindowRecord(handle);
}

// Another client grabbing the pointer or the keyboard takes the input away in the middle of
// whatever the controls were doing with it, as a window that pops up does on Windows.
bool TopLevelWidget::nativeEvent(const QByteArray& eventType, void* message, qintptr*) {
    if (m_record != nullptr && eventType == "xcb_generic_event_t" && IsLossToGrab(message)) {
        Send(WM_CANCELMODE, 0, 0);
    }
    return false;
}
