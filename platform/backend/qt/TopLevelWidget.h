#pragma once

#include "platform/backend/qt/InputTranslation.h"
#include "platform/kernel/Types.h"
#include "platform/window/WindowSystem.h"

#include <QImage>
#include <QWidget>

#include <set>

class Window;

// The on-screen side of one top-level window record: a widget without frame or taskbar button
// that shows the record's surface, follows its bounds, visibility, stacking and shape, and
// turns pointer and key input into the record's Win32 messages.
//
// The widget remembers the pixels it last painted, which are what the screen shows, so a
// present of pixels that did not change paints nothing.
class TopLevelWidget final : public QWidget {
public:
    explicit TopLevelWidget(Window& record);

    // The record is being destroyed: hide, and ignore everything until Qt deletes the widget.
    void Detach();
    void Mirror(WindowChange change);
    // Paints what changed inside `dirty` (window coordinates) and returns once the X server
    // has the pixels.
    void Present(const RECT& dirty);
    // Moves the window with the pointer while the button that is down stays down.
    void StartMove();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
    // Tab is a key like any other for the controls, not Qt's focus chain.
    bool focusNextPrevChild(bool) override { return false; }

private:
    enum class Move { None, BySystem, FollowingPointer };

    void ApplyFlags();
    void ApplyBounds();
    void ApplyVisibility();
    void ApplyShowState();
    void Send(UINT message, WPARAM wParam, LPARAM lParam);
    void SendButton(const QMouseEvent& event, ButtonTransition transition);
    QRect ChangedPart(const QRect& dirty) const;
    void RememberShown(const QRect& area);

    Window* m_record;
    QImage m_shown;
    bool m_shownValid = false;
    bool m_applying = false;
    Move m_move = Move::None;
    QPoint m_pressedAt; // screen position of the last button press
    QPoint m_grabOffset;
    // The keys, by X keycode, that went down here and have not been released.
    std::set<quint32> m_heldKeys;
};
