#include "platform/backend/SelectWindowSystem.h"

#include "platform/backend/XWaylandPreference.h"
#include "platform/backend/headless/HeadlessWindowSystem.h"

#include "platform/window/Window.h"

#ifdef HUSHWAVE_HAVE_QT
#include "platform/backend/qt/QtWindowSystem.h"
#include "platform/backend/qt/X11Calls.h"
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

void Install(std::unique_ptr<WindowSystem> system) {
    InstallWindowSystem(std::move(system));
    for (Window* window : TopLevelZOrder()) {
        CurrentWindowSystem().WindowCreated(*window);
    }
}

#ifdef HUSHWAVE_HAVE_QT
// Qt ends the process when its platform cannot reach its display; an X server it would use is
// asked first. Another platform (QT_QPA_PLATFORM, or Wayland) is left to Qt.
bool QtDisplayOpens() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    bool x11 = platform != nullptr && *platform != '\0' ? std::string(platform).starts_with("xcb")
                                                        : wayland == nullptr || *wayland == '\0';
    if (!x11 || XServerAnswers(nullptr)) {
        return true;
    }
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, "hushwave: cannot open the display \"%s\"\n",
                 display != nullptr ? display : "");
    return false;
}
#endif

} // namespace

bool InstallWindowSystemFromEnvironment([[maybe_unused]] int& argc, [[maybe_unused]] char** argv) {
    const char* requested = std::getenv("HUSHWAVE_BACKEND");
    std::string name = requested != nullptr ? requested : "";
#ifdef HUSHWAVE_HAVE_QT
    if (name == "qt" || (name.empty() && DisplayPresent())) {
        PreferXWayland();
        if (!QtDisplayOpens()) {
            return false;
        }
        Install(CreateQtWindowSystem(argc, argv));
        return true;
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
    Install(std::make_unique<HeadlessWindowSystem>());
    return true;
}

void ShutDownWindowSystem() {
    InstallWindowSystem(std::make_unique<HeadlessWindowSystem>());
}
