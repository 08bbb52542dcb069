#pragma once
// Composes a top-level window's surface from its controls, back to front: the window's own
// background and painting, its non-windowed children in their order, then each windowed child
// the same way, confined to its rectangle and window region. Only the given area (the window's
// client coordinates) is touched; what the top-level window's own region cuts away is made
// black. With a control to start from, everything behind that control is left as it is on the
// surface.

#include "platform/kernel/Types.h"

class Region;
class Surface;
class TControl;
class TWinControl;

class WindowComposer {
public:
    static void Compose(TWinControl& topLevel, Surface& surface, const RECT& area, TControl* from);

private:
    WindowComposer(Surface& surface, TControl* from) : m_surface(surface), m_from(from) {}
    void PaintWindowed(TWinControl& control, POINT origin, const Region& clip);
    void PaintControl(TControl& control, POINT origin, const Region& clip);

    Surface& m_surface;
    TControl* m_from;
    bool m_started = false;
};
