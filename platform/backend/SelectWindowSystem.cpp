#include "platform/backend/SelectWindowSystem.h"

#include "platform/backend/XWaylandPreference.h"
#include "platform/backend/headless/HeadlessWindowSystem.h"

#ifdef HUSHWAVE_HAVE_QT
#include "platform/backend/qt/QtWindowSystem.h"
#endif

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool DisplayPresent() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

} // namespace

void InstallWindowSystemFromEnvironment([[maybe_unused]] int& argc, [[maybe_unused]] char** argv) {
    const char* requested = std::getenv("HUSHWAVE_BACKEND");
    std::string name = requested != nullptr ? requested : "";
#ifdef HUSHWAVE_HAVE_QT
    if (name == "qt" || (name.empty() && DisplayPresent())) {
        PreferXWayland();
        InstallWindowSystem(CreateQtWindowSystem(argc, argv));
        return;
    }
#else
    if (name.empty() && DisplayPresent()) {
        std::fprintf(stderr, "hushwave: built without the Qt window system; running headless\n");
    }
#endif
    if (!name.empty() && name != "headless") {
        std::fprintf(stderr,
                     "hushwave: HUSHWAVE_BACKEND=%s is not a window system here; "
                     "running headless\n",
                     name.c_str());
    }
    InstallWindowSystem(std::make_unique<HeadlessWindowSystem>());
}

void ShutDownWindowSystem() {
    InstallWindowSystem(std::make_unique<HeadlessWindowSystem>());
}
