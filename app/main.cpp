// Starts the program on the window system that HUSHWAVE_BACKEND names.

#include "app/WinMain.h"
#include "platform/application/TApplication.h"
#include "platform/backend/SelectWindowSystem.h"

#include <string>

int main(int argc, char** argv) {
    InstallWindowSystemFromEnvironment(argc, argv);
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
    }
    int exitCode;
    {
        TApplication application(nullptr);
        exitCode = WinMain(commandLine.c_str());
    }
    ShutDownWindowSystem();
    return exitCode;
}
