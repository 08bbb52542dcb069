#pragma once
// The platform's window records. A window is a rectangle with a procedure that receives its
// messages; top-level windows sit in one z-order list, front first, with the topmost ones
// ahead of the rest. The window system backend mirrors these records; it never owns them.

#include "platform/graphics/Region.h"
#include "platform/graphics/Surface.h"
#include "platform/kernel/Handle.h"
#include "platform/kernel/Types.h"
#include "platform/window/Messages.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

using WindowProcedure = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

enum class WindowShowState { Normal, Minimized };

struct WindowStyle {
    bool topLevel = true;
    bool noTaskbarButton = false; // a tool window: never listed on the taskbar
    bool frameless = true;
};

class Window {
public:
    Window(HWND handle, Window* parent, WindowStyle style);

    HWND Handle() const { return m_handle; }
    Window* Parent() const { return m_parent; }
    const WindowStyle& Style() const { return m_style; }
    const std::vector<Window*>& Children() const { return m_children; }

    // Left, top, right, bottom: screen coordinates for a top-level window, the parent's
    // client coordinates for a child.
    const RECT& Bounds() const { return m_bounds; }
    bool Visible() const { return m_visible; }
    bool Topmost() const { return m_topmost; }
    WindowShowState ShowState() const { return m_showState; }
    const std::string& Text() const { return m_text; }

    // A change of bounds reaches the procedure as WM_WINDOWPOSCHANGED, a change of visibility
    // as WM_SHOWWINDOW, after the window system mirrored it.
    void SetBounds(const RECT& bounds);
    void SetVisible(bool visible);
    void SetTopmost(bool topmost);
    void SetShowState(WindowShowState state);
    void SetText(const std::string& text);
    void SetProcedure(WindowProcedure procedure) { m_procedure = std::move(procedure); }

    LRESULT Deliver(UINT message, WPARAM wParam, LPARAM lParam);

    // The window's shape in window coordinates; none means the whole rectangle. The window
    // owns it from the moment it is set. With redraw, a top-level window presents itself and
    // a child hears WM_WINDOWPOSCHANGED with SWP_FRAMECHANGED, for its parent to paint again.
    const std::optional<Region>& GetRegion() const { return m_region; }
    void SetRegion(std::optional<Region> region, bool redraw);

    // A top-level window's pixels, as large as the window; children draw into their
    // top-level window's surface. Present() hands the changed part to the window system.
    Surface& GetSurface() { return m_surface; }
    void Present(const RECT& dirty);
    void Present();

private:
    friend HWND CreateWindowRecord(Window*, WindowStyle, WindowProcedure);
    friend void DestroyWindowRecord(HWND);

    HWND m_handle;
    Window* m_parent;
    WindowStyle m_style;
    std::vector<Window*> m_children;
    RECT m_bounds{};
    bool m_visible = false;
    bool m_topmost = false;
    WindowShowState m_showState = WindowShowState::Normal;
    std::string m_text;
    WindowProcedure m_procedure;
    Surface m_surface;
    std::optional<Region> m_region;
};

HWND CreateWindowRecord(Window* parent, WindowStyle style, WindowProcedure procedure);
// Destroys the window and its children, children first; WM_DESTROY reaches each of them.
void DestroyWindowRecord(HWND handle);
Window* FindWindow(HWND handle);

// Top-level windows, front first.
std::vector<Window*> TopLevelZOrder();
void BringToFront(Window& window);
// The active top-level window. A change of it sends WM_ACTIVATE: WA_INACTIVE to the window
// losing it, then WA_ACTIVE to the window gaining it.
HWND GetForegroundWindowRecord();
void SetForegroundWindowRecord(HWND handle);
// The window, when it is the active one, is so no longer (it was hidden, or the window system
// activated another program's window); it hears WM_ACTIVATE with WA_INACTIVE.
void ClearForegroundWindowRecord(HWND handle);
