#include "platform/backend/headless/HeadlessWindowSystem.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/kernel/Clock.h"

#include <cstdio>

int HeadlessWindowSystem::ShowMessageBox(const MessageBoxRecord& box) {
    std::string text = box.text;
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    std::fprintf(stderr, "[%s] %s\n", box.caption.c_str(), text.c_str());
    std::fflush(stderr);
    return DefaultButton(box.type);
}

int HeadlessWindowSystem::Wait(std::span<pollfd> fds, int timeoutMs) {
    return CurrentClock().Poll(fds, timeoutMs);
}

void HeadlessWindowSystem::StartSystemMove(Window&) { ++m_systemMoves; }
