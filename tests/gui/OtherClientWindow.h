#pragma once

#include "platform/kernel/Types.h"

#include <cstdint>

struct xcb_connection_t;

// An ordinary window of another X client, one solid colour: what the tests put over the
// program's window. Without a window manager a window that is mapped lies above all others.
class OtherClientWindow {
public:
    // Maps the window at `bounds` (screen coordinates) and gives it the input focus; throws
    // std::runtime_error without an X server.
    OtherClientWindow(const RECT& bounds, uint32_t pixel);
    ~OtherClientWindow();
    OtherClientWindow(const OtherClientWindow&) = delete;
    OtherClientWindow& operator=(const OtherClientWindow&) = delete;

    uint32_t Id() const { return m_window; }
    // The window that has the input focus, whoever's it is.
    uint32_t FocusedWindow();

private:
    xcb_connection_t* m_connection;
    uint32_t m_window = 0;
};
