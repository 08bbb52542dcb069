#include "platform/window/Window.h"

#include "platform/window/WindowCalls.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace {

struct Windows {
    std::unordered_map<HWND, std::unique_ptr<Window>> records;
    std::vector<Window*> zOrder; // top-level windows, front first
    HWND foreground;
    uint32_t next = 0x100;
};

Windows& All() {
    static Windows windows;
    return windows;
}

// Tells the window's procedure where the window is now, as the window manager does after
// every change of place, size or region.
void DeliverPositionChanged(Window& window, UINT flags) {
    const RECT& bounds = window.Bounds();
    WINDOWPOS pos{window.Handle(),
                  HWND{},
                  static_cast<int>(bounds.left),
                  static_cast<int>(bounds.top),
                  static_cast<int>(bounds.right - bounds.left),
                  static_cast<int>(bounds.bottom - bounds.top),
                  flags | SWP_NOZORDER | SWP_NOACTIVATE};
    window.Deliver(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
}

void Restack(Window& window) {
    auto& z = All().zOrder;
    std::erase(z, &window);
    // A topmost window goes to the very front; an ordinary one in front of the ordinary ones.
    auto at = window.Topmost()
                  ? z.begin()
                  : std::find_if(z.begin(), z.end(), [](Window* w) { return !w->Topmost(); });
    z.insert(at, &window);
}

} // namespace

Window::Window(HWND handle, Window* parent, WindowStyle style)
    : m_handle(handle), m_parent(parent), m_style(style) {}

void Window::SetBounds(const RECT& bounds) {
    if (bounds == m_bounds) {
        return;
    }
    UINT unchanged = 0;
    if (bounds.left == m_bounds.left && bounds.top == m_bounds.top) {
        unchanged |= SWP_NOMOVE;
    }
    if (bounds.right - bounds.left == m_bounds.right - m_bounds.left &&
        bounds.bottom - bounds.top == m_bounds.bottom - m_bounds.top) {
        unchanged |= SWP_NOSIZE;
    }
    m_bounds = bounds;
    int width = std::max(0, static_cast<int>(bounds.right - bounds.left));
    int height = std::max(0, static_cast<int>(bounds.bottom - bounds.top));
    if (m_style.topLevel && (width != m_surface.Width() || height != m_surface.Height())) {
        m_surface = Surface::IsAcceptableSize(width, height) ? Surface(width, height) : Surface();
    }
    CurrentWindowSystem().WindowChanged(*this, WindowChange::Bounds);
    DeliverPositionChanged(*this, unchanged);
}

void Window::SetVisible(bool visible) {
    if (visible == m_visible) {
        return;
    }
    m_visible = visible;
    // As on Windows, the procedure hears of the change before the screen shows it, so a form
    // shown for the first time is placed before it appears. The procedure may destroy the window.
    HWND handle = m_handle;
    Deliver(WM_SHOWWINDOW, visible ? TRUE : FALSE, 0);
    if (FindWindow(handle) != this) {
        return;
    }
    CurrentWindowSystem().WindowChanged(*this, WindowChange::Visibility);
    // A hidden window is no longer the active one.
    if (!visible) {
        ClearForegroundWindowRecord(handle);
    }
}

void Window::SetTopmost(bool topmost) {
    m_topmost = topmost;
    if (m_style.topLevel) {
        Restack(*this);
    }
    CurrentWindowSystem().WindowChanged(*this, WindowChange::ZOrder);
}

void Window::SetShowState(WindowShowState state) {
    if (state == m_showState) {
        return;
    }
    m_showState = state;
    CurrentWindowSystem().WindowChanged(*this, WindowChange::State);
}

void Window::SetText(const std::string& text) {
    if (text == m_text) {
        return;
    }
    m_text = text;
    CurrentWindowSystem().WindowChanged(*this, WindowChange::Text);
}

LRESULT Window::Deliver(UINT message, WPARAM wParam, LPARAM lParam) {
    // A copy keeps the procedure alive should it replace itself or destroy the window.
    WindowProcedure procedure = m_procedure;
    return procedure ? procedure(m_handle, message, wParam, lParam) : 0;
}

void Window::SetRegion(std::optional<Region> region, bool redraw) {
    m_region = std::move(region);
    CurrentWindowSystem().WindowChanged(*this, WindowChange::Region);
    if (!redraw) {
        return;
    }
    if (m_style.topLevel) {
        Present();
    } else {
        // The parent paints again where the old shape or the new one reaches.
        DeliverPositionChanged(*this, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
    }
}

void Window::Present(const RECT& dirty) {
    CurrentWindowSystem().Present(*this, dirty);
}

void Window::Present() {
    Present(RECT{0, 0, m_bounds.right - m_bounds.left, m_bounds.bottom - m_bounds.top});
}

HWND CreateWindowRecord(Window* parent, WindowStyle style, WindowProcedure procedure) {
    Windows& all = All();
    HWND handle{all.next++};
    style.topLevel = parent == nullptr;
    auto window = std::make_unique<Window>(handle, parent, style);
    window->SetProcedure(std::move(procedure));
    Window* record = window.get();
    all.records.emplace(handle, std::move(window));
    if (parent != nullptr) {
        parent->m_children.push_back(record);
    } else {
        Restack(*record);
    }
    CurrentWindowSystem().WindowCreated(*record);
    return handle;
}

void DestroyWindowRecord(HWND handle) {
    Windows& all = All();
    Window* window = FindWindow(handle);
    if (window == nullptr) {
        return;
    }
    while (!window->Children().empty()) {
        DestroyWindowRecord(window->Children().back()->Handle());
    }
    window->Deliver(WM_DESTROY, 0, 0);
    CurrentWindowSystem().WindowDestroyed(*window);
    if (window->Parent() != nullptr) {
        std::erase(window->Parent()->m_children, window);
    }
    std::erase(all.zOrder, window);
    if (all.foreground == handle) {
        all.foreground = HWND{};
    }
    all.records.erase(handle);
}

Window* FindWindow(HWND handle) {
    auto& records = All().records;
    auto it = records.find(handle);
    return it == records.end() ? nullptr : it->second.get();
}

std::vector<Window*> TopLevelZOrder() {
    return All().zOrder;
}

void BringToFront(Window& window) {
    if (window.Style().topLevel) {
        Restack(window);
        CurrentWindowSystem().WindowChanged(window, WindowChange::ZOrder);
    }
}

HWND GetForegroundWindowRecord() {
    return All().foreground;
}

void SetForegroundWindowRecord(HWND handle) {
    Window* window = FindWindow(handle);
    HWND previous = All().foreground;
    All().foreground = handle;
    if (window != nullptr) {
        BringToFront(*window);
        CurrentWindowSystem().WindowChanged(*window, WindowChange::Foreground);
    }
    if (previous == handle) {
        return;
    }
    if (Window* lost = FindWindow(previous)) {
        lost->Deliver(WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(handle.value));
    }
    // The window losing the activation may have handed it on meanwhile.
    if (window != nullptr && All().foreground == handle) {
        window->Deliver(WM_ACTIVATE, WA_ACTIVE, static_cast<LPARAM>(previous.value));
    }
}

void ClearForegroundWindowRecord(HWND handle) {
    if (!handle || All().foreground != handle) {
        return;
    }
    All().foreground = HWND{};
    if (Window* window = FindWindow(handle)) {
        window->Deliver(WM_ACTIVATE, WA_INACTIVE, 0);
    }
}
