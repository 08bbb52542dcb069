#include "platform/backend/XWaylandPreference.h"

#include <cstdlib>

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

} // namespace

void PreferXWayland() {
    if (!IsSet("QT_QPA_PLATFORM") && IsSet("WAYLAND_DISPLAY") && IsSet("DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
}
