#include "platform/controls/WindowComposer.h"

#include "platform/controls/PaintContext.h"
#include "platform/controls/TWinControl.h"
#include "platform/graphics/Region.h"
#include "platform/graphics/Surface.h"
#include "platform/window/Window.h"

#include <algorithm>

namespace {

// The part of the clip on the control; most controls lie outside a small area, which the
// clip's bounds tell without combining regions, and a clip of one rectangle meets the
// control's in one rectangle.
Region Confine(const Region& clip, const TControl& control, POINT origin) {
    const RECT bounds = clip.Bounds();
    const RECT own{origin.x, origin.y, origin.x + control.Width(), origin.y + control.Height()};
    const RECT common{std::max(bounds.left, own.left), std::max(bounds.top, own.top),
                      std::min(bounds.right, own.right), std::min(bounds.bottom, own.bottom)};
    if (common.left >= common.right || common.top >= common.bottom) {
        return Region();
    }
    if (clip.Complexity() == RegionComplexity::Simple) {
        return Region(common);
    }
    return clip.Combined(Region(own), RegionOperation::Intersect);
}

} // namespace

void WindowComposer::Compose(TWinControl& topLevel, Surface& surface, const RECT& area,
                             TControl* from) {
    WindowComposer composer(surface, from);
    composer.m_started = from == nullptr;
    Region clip = Region(area).Combined(Region(0, 0, surface.Width(), surface.Height()),
                                        RegionOperation::Intersect);
    // What the window's shape cuts away is never seen; it is kept black rather than stale.
    if (topLevel.HandleAllocated()) {
        if (const auto& shape = FindWindow(topLevel.Handle())->GetRegion()) {
            Region outside = clip.Combined(*shape, RegionOperation::Subtract);
            for (const RECT& r : outside.Rects()) {
                for (LONG y = r.top; y < r.bottom; ++y) {
                    std::fill(surface.Row(y) + r.left, surface.Row(y) + r.right, 0u);
                }
            }
        }
    }
    composer.PaintWindowed(topLevel, POINT{0, 0}, clip);
}

void WindowComposer::PaintWindowed(TWinControl& control, POINT origin, const Region& clip) {
    Region own = Confine(clip, control, origin);
    if (own.IsEmpty()) {
        return;
    }
    if (control.HandleAllocated()) {
        const auto& shape = FindWindow(control.Handle())->GetRegion();
        if (shape && origin.x == 0 && origin.y == 0) {
            own = own.Combined(*shape, RegionOperation::Intersect);
        } else if (shape) {
            Region placed = *shape;
            placed.Offset(origin.x, origin.y);
            own = own.Combined(placed, RegionOperation::Intersect);
        }
    }
    if (own.IsEmpty()) {
        return;
    }
    if (&control == m_from) {
        m_started = true;
    }
    if (m_started) {
        static_cast<TControl&>(control).PaintIn(PaintContext{m_surface, origin, own});
    }
    for (TControl* child : control.FControls) {
        if (child == m_from) {
            m_started = true;
        }
        if (m_started && child->Visible()) {
            PaintControl(*child, POINT{origin.x + child->Left(), origin.y + child->Top()}, own);
        }
    }
    for (TWinControl* child : control.FWinControls) {
        if (child->Visible()) {
            PaintWindowed(*child, POINT{origin.x + child->Left(), origin.y + child->Top()}, own);
        }
    }
}

void WindowComposer::PaintControl(TControl& control, POINT origin, const Region& clip) {
    Region own = Confine(clip, control, origin);
    if (!own.IsEmpty()) {
        control.PaintIn(PaintContext{m_surface, origin, own});
    }
}
