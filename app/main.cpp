// Starts the program on the window system that HUSHWAVE_BACKEND names.

#include "app/WinMain.h"
#include "platform/application/TApplication.h"
#include "platform/backend/SelectWindowSystem.h"

#include <string>

namespace {

// Leaves the entry point when the program cannot reach its display; nothing can run then.
struct NoDisplay {};

} // namespace

int main(int argc, char** argv) {
    // The command line as typed: the window system takes its own options out of argv.
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
    }
    int exitCode;
    {
        TApplication application(nullptr);
        // The window system starts when the application is initialised, after the entry point
        // has taken the single-instance lock: a second start never touches the display.
        application.InitProc = [&argc, argv] {
            if (!InstallWindowSystemFromEnvironment(argc, argv)) {
                throw NoDisplay{};
            }
        };
        try {
            exitCode = WinMain(commandLine.c_str());
        } catch (const NoDisplay&) {
            exitCode = 1;
        }
    }
    ShutDownWindowSystem();
    return exitCode;
}
