// The floor of the platform's own loop: one 10 ms timer whose handler does nothing, on the
// window system the environment selects (Qt with a display), no window and no tray icon. Run
// beside the program by bench/idle-peers.sh, it tells what a wake-up of the loop costs before
// the program does anything in it.

#include "platform/backend/SelectWindowSystem.h"
#include "platform/window/MessageLoop.h"

int main(int argc, char** argv) {
    if (!InstallWindowSystemFromEnvironment(argc, argv)) {
        return 1;
    }
    MessageLoop& loop = MessageLoop::Instance();
    loop.SetTimer(10, [] {});
    while (loop.HandleMessage(true)) {
    }
    ShutDownWindowSystem();
    return 0;
}
