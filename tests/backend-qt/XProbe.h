#pragma once
// The tests' own connection to the X server: it sees what the screen shows and what the
// windows say about themselves, independently of the window system under test.

#include "platform/graphics/Surface.h"
#include "platform/kernel/Types.h"

#include <cstdint>
#include <string>
#include <vector>

struct xcb_connection_t;

class XProbe {
public:
    XProbe();
    ~XProbe();
    XProbe(const XProbe&) = delete;
    XProbe& operator=(const XProbe&) = delete;

    // The screen's pixels inside `area` (screen coordinates), as 0x00RRGGBB.
    Surface Capture(const RECT& area);
    // A window whose WM_NAME is `name`, searched from the root down; 0 when there is none.
    uint32_t FindWindow(const std::string& name);
    bool IsViewable(uint32_t window);
    // Where the window lies on the screen.
    RECT ScreenRect(uint32_t window);
    std::vector<std::string> AtomProperty(uint32_t window, const std::string& property);
    std::vector<uint32_t> CardinalProperty(uint32_t window, const std::string& property);
    // Paints straight into the window, past its owner.
    void FillRect(uint32_t window, const RECT& rect, uint32_t pixel);
    // Whether a window that the window manager does not manage is mapped: a menu or tooltip.
    bool PopupShown();
    // Where the first such window lies on the screen; an empty rectangle when none is shown.
    RECT PopupRect();
    bool SelectionOwned(const std::string& selection);
    // Takes the pointer for this connection, as another program's menu does, and gives it back.
    bool GrabPointer();
    void UngrabPointer();

private:
    uint32_t Atom(const std::string& name);
    std::string AtomName(uint32_t atom);
    std::string WindowName(uint32_t window);
    std::vector<uint32_t> Children(uint32_t parent);
    uint32_t FindBelow(uint32_t parent, const std::string& name);
    void Sync();

    xcb_connection_t* m_connection;
    uint32_t m_root = 0;
};
