#include "platform/backend/qt/X11Calls.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

xcb_connection_t* XConnection() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
    xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// XInput 2 is not in the core protocol's headers; these are its wire values.
constexpr uint16_t kXiLeave = 8;
constexpr uint16_t kXiFocusOut = 10;
constexpr uint8_t kXiNotifyGrab = 1;
// Where an XInput 2 enter, leave or focus event carries its mode.
constexpr size_t kXiModeOffset = 18;

uint8_t XInputOpcode(xcb_connection_t* connection) {
    static const uint8_t opcode = [&] {
        const char name[] = "XInputExtension";
        xcb_query_extension_reply_t* reply = xcb_query_extension_reply(
            connection, xcb_query_extension(connection, sizeof(name) - 1, name), nullptr);
        uint8_t major = reply != nullptr && reply->present ? reply->major_opcode : 0;
        std::free(reply);
        return major;
    }();
    return opcode;
}

} // namespace

void SyncWithXServer() {
    xcb_connection_t* connection = XConnection();
    if (connection == nullptr) {
        return;
    }
    // The server answers requests in order, so a reply means all earlier ones are done.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

bool KeyHeldOnServer(unsigned keycode) {
    xcb_connection_t* connection = XConnection();
    if (connection == nullptr || keycode == 0 || keycode > 255) {
        return false;
    }
    xcb_query_keymap_reply_t* reply =
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    if (reply == nullptr) {
        return false;
    }
    bool held = (reply->keys[keycode / 8] & (1u << (keycode % 8))) != 0;
    std::free(reply);
    return held;
}

bool IsLossToGrab(const void* event) {
    const auto* generic = static_cast<const xcb_generic_event_t*>(event);
    switch (generic->response_type & 0x7F) {
    case XCB_LEAVE_NOTIFY:
        return static_cast<const xcb_leave_notify_event_t*>(event)->mode == XCB_NOTIFY_MODE_GRAB;
    case XCB_FOCUS_OUT:
        return static_cast<const xcb_focus_out_event_t*>(event)->mode == XCB_NOTIFY_MODE_GRAB;
    case XCB_GE_GENERIC: {
        const auto* extended = static_cast<const xcb_ge_generic_event_t*>(event);
        xcb_connection_t* connection = XConnection();
        if (connection == nullptr || extended->extension != XInputOpcode(connection) ||
            (extended->event_type != kXiLeave && extended->event_type != kXiFocusOut)) {
            return false;
        }
        return static_cast<const uint8_t*>(event)[kXiModeOffset] == kXiNotifyGrab;
    }
    default:
        return false;
    }
}

void FocusOnServer(QWidget& widget) {
    xcb_connection_t* connection = XConnection();
    if (connection == nullptr) {
        return;
    }
    auto window = static_cast<xcb_window_t>(widget.winId());
    // The server refuses the focus for a window that is not on the screen yet; Qt gives it
    // the focus itself once it is mapped.
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr);
    bool viewable = attributes != nullptr && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(attributes);
    if (viewable) {
        xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
        xcb_flush(connection);
    }
}

void FlushToXServer(xcb_connection_t* connection) {
    if (connection != nullptr) {
        xcb_flush(connection);
    }
}

void MarkSkipTaskbar(QWidget& widget) {
    xcb_connection_t* connection = XConnection();
    if (connection == nullptr) {
        return;
    }
    auto window = static_cast<xcb_window_t>(widget.winId());
    xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    std::vector<xcb_atom_t> atoms;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 64), nullptr);
    if (reply != nullptr && reply->format == 32) {
        auto* existing = static_cast<xcb_atom_t*>(xcb_get_property_value(reply));
        atoms.assign(existing, existing + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        xcb_atom_t atom = Atom(connection, name);
        if (std::find(atoms.begin(), atoms.end(), atom) == atoms.end()) {
            atoms.push_back(atom);
        }
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                        uint32_t(atoms.size()), atoms.data());
    xcb_flush(connection);
}

bool XServerAnswers(const char* display) {
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}
