#include "platform/backend/qt/X11Calls.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

xcb_connection_t* Connection() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
    xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

void SyncWithXServer() {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) {
        return;
    }
    // The server answers requests in order, so a reply means all earlier ones are done.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

void FlushToXServer() {
    if (xcb_connection_t* connection = Connection()) {
        xcb_flush(connection);
    }
}

void MarkSkipTaskbar(QWidget& widget) {
    xcb_connection_t* connection = Connection();
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
