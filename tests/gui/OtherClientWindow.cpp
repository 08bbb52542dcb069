#include "tests/gui/OtherClientWindow.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <stdexcept>

OtherClientWindow::OtherClientWindow(const RECT& bounds, uint32_t pixel)
    : m_connection(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(m_connection)) {
        xcb_disconnect(m_connection);
        throw std::runtime_error("cannot connect to the X server");
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    m_window = xcb_generate_id(m_connection);
    // The server paints the background itself, so the window needs no drawing of its own.
    const uint32_t values[] = {pixel};
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root,
                      int16_t(bounds.left), int16_t(bounds.top),
                      uint16_t(bounds.right - bounds.left), uint16_t(bounds.bottom - bounds.top), 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL,
                      values);
    xcb_map_window(m_connection, m_window);
    xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_POINTER_ROOT, m_window, XCB_CURRENT_TIME);
    FocusedWindow(); // a reply: the server has carried out the requests before it
}

OtherClientWindow::~OtherClientWindow() {
    xcb_disconnect(m_connection);
}

uint32_t OtherClientWindow::FocusedWindow() {
    xcb_get_input_focus_reply_t* reply =
        xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr);
    uint32_t focus = reply != nullptr ? reply->focus : 0;
    std::free(reply);
    return focus;
}
