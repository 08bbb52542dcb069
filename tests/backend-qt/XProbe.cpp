#include "tests/backend-qt/XProbe.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T> Reply<T> Take(T* reply) {
    return Reply<T>(reply, &std::free);
}

} // namespace

XProbe::XProbe() : m_connection(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(m_connection)) {
        throw std::runtime_error("cannot connect to the X server");
    }
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
}

XProbe::~XProbe() {
    xcb_disconnect(m_connection);
}

void XProbe::Sync() {
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

uint32_t XProbe::Atom(const std::string& name) {
    auto reply = Take(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, uint16_t(name.size()), name.c_str()),
        nullptr));
    return reply ? reply->atom : 0;
}

std::string XProbe::AtomName(uint32_t atom) {
    auto reply =
        Take(xcb_get_atom_name_reply(m_connection, xcb_get_atom_name(m_connection, atom), nullptr));
    return reply ? std::string(xcb_get_atom_name_name(reply.get()),
                               size_t(xcb_get_atom_name_name_length(reply.get())))
                 : std::string();
}

Surface XProbe::Capture(const RECT& area) {
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    auto reply = Take(xcb_get_image_reply(
        m_connection,
        xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, int16_t(area.left),
                      int16_t(area.top), uint16_t(width), uint16_t(height), ~0u),
        nullptr));
    if (!reply || xcb_get_image_data_length(reply.get()) != width * height * 4) {
        throw std::runtime_error("the screen is not a 32-bit-per-pixel image");
    }
    Surface surface(width, height);
    const auto* data = reinterpret_cast<const uint32_t*>(xcb_get_image_data(reply.get()));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            surface.SetPixel(x, y, data[y * width + x] & 0xFFFFFF);
        }
    }
    return surface;
}

std::string XProbe::WindowName(uint32_t window) {
    auto reply =
        Take(xcb_get_property_reply(m_connection,
                                    xcb_get_property(m_connection, 0, window, XCB_ATOM_WM_NAME,
                                                     XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                                    nullptr));
    if (!reply) {
        return {};
    }
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       size_t(xcb_get_property_value_length(reply.get())));
}

std::vector<uint32_t> XProbe::Children(uint32_t parent) {
    auto tree =
        Take(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, parent), nullptr));
    if (!tree) {
        return {};
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return std::vector<uint32_t>(children, children + xcb_query_tree_children_length(tree.get()));
}

uint32_t XProbe::FindBelow(uint32_t parent, const std::string& name) {
    std::vector<uint32_t> children = Children(parent);
    for (uint32_t child : children) {
        if (WindowName(child) == name) {
            return child;
        }
    }
    for (uint32_t child : children) {
        if (uint32_t found = FindBelow(child, name)) {
            return found;
        }
    }
    return 0;
}

uint32_t XProbe::FindWindow(const std::string& name) {
    return FindBelow(m_root, name);
}

bool XProbe::IsViewable(uint32_t window) {
    auto reply = Take(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

RECT XProbe::ScreenRect(uint32_t window) {
    auto geometry =
        Take(xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
    auto origin = Take(xcb_translate_coordinates_reply(
        m_connection, xcb_translate_coordinates(m_connection, window, m_root, 0, 0), nullptr));
    if (!geometry || !origin) {
        return RECT{};
    }
    return RECT{origin->dst_x, origin->dst_y, origin->dst_x + geometry->width,
                origin->dst_y + geometry->height};
}

std::vector<std::string> XProbe::AtomProperty(uint32_t window, const std::string& property) {
    std::vector<std::string> names;
    for (uint32_t atom : CardinalProperty(window, property)) {
        names.push_back(AtomName(atom));
    }
    return names;
}

std::vector<uint32_t> XProbe::CardinalProperty(uint32_t window, const std::string& property) {
    auto reply =
        Take(xcb_get_property_reply(m_connection,
                                    xcb_get_property(m_connection, 0, window, Atom(property),
                                                     XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                    nullptr));
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<uint32_t>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

void XProbe::FillRect(uint32_t window, const RECT& rect, uint32_t pixel) {
    xcb_gcontext_t gc = xcb_generate_id(m_connection);
    xcb_create_gc(m_connection, gc, window, XCB_GC_FOREGROUND, &pixel);
    xcb_rectangle_t box{int16_t(rect.left), int16_t(rect.top), uint16_t(rect.right - rect.left),
                        uint16_t(rect.bottom - rect.top)};
    xcb_poly_fill_rectangle(m_connection, window, gc, 1, &box);
    xcb_free_gc(m_connection, gc);
    Sync();
}

bool XProbe::PopupShown() {
    RECT popup = PopupRect();
    return popup.right > popup.left;
}

RECT XProbe::PopupRect() {
    for (uint32_t window : Children(m_root)) {
        auto reply = Take(xcb_get_window_attributes_reply(
            m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
        if (reply && reply->override_redirect && reply->map_state == XCB_MAP_STATE_VIEWABLE) {
            return ScreenRect(window);
        }
    }
    return RECT{};
}

bool XProbe::SelectionOwned(const std::string& selection) {
    auto reply = Take(xcb_get_selection_owner_reply(
        m_connection, xcb_get_selection_owner(m_connection, Atom(selection)), nullptr));
    return reply && reply->owner != XCB_NONE;
}

bool XProbe::GrabPointer() {
    auto reply = Take(xcb_grab_pointer_reply(
        m_connection,
        xcb_grab_pointer(m_connection, 0, m_root, XCB_EVENT_MASK_BUTTON_PRESS, XCB_GRAB_MODE_ASYNC,
                         XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME),
        nullptr));
    return reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
}

void XProbe::UngrabPointer() {
    xcb_ungrab_pointer(m_connection, XCB_CURRENT_TIME);
    Sync();
}
