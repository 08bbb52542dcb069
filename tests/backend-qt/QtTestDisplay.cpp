#include "tests/backend-qt/QtTestDisplay.h"

#include "platform/backend/headless/HeadlessWindowSystem.h"
#include "platform/backend/qt/QtWindowSystem.h"
#include "platform/kernel/Clock.h"
#include "tests/backend-qt/ChildProcess.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

namespace {

bool g_ready = false;

// Starts Xvfb on a display number it picks itself and waits until it accepts clients.
std::unique_ptr<ChildProcess> StartXvfb() {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        return nullptr;
    }
    auto server = std::make_unique<ChildProcess>(
        std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0",
                                 "1024x768x24", "-nolisten", "tcp", "-noreset"},
        pipeFds[1]);
    close(pipeFds[1]);
    std::string number;
    pollfd p{pipeFds[0], POLLIN, 0};
    char c;
    while (poll(&p, 1, 20000) == 1 && read(pipeFds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(pipeFds[0]);
    if (number.empty()) {
        return nullptr;
    }
    setenv("DISPLAY", (":" + number).c_str(), 1);
    return server;
}

class QtDisplayEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        // A dialog or menu that never sees its keys would block for ever; end the run instead.
        alarm(300);
        if (ProgramOnPath("Xvfb")) {
            m_server = StartXvfb();
        }
        const char* display = std::getenv("DISPLAY");
        if (display == nullptr || *display == '\0') {
            return;
        }
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        InstallWindowSystem(CreateQtWindowSystem(m_argc, m_argv));
        g_ready = true;
    }

    void TearDown() override {
        // Qt leaves before its X server does.
        InstallWindowSystem(std::make_unique<HeadlessWindowSystem>());
        m_server.reset();
        g_ready = false;
    }

private:
    int m_argc = 1;
    char m_name[32] = "backend_qt_tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<ChildProcess> m_server;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new QtDisplayEnvironment);

} // namespace

bool QtDisplayReady() {
    return g_ready;
}

void PumpFor(int ms) {
    uint64_t end = CurrentClock().NowMs() + uint64_t(ms);
    for (uint64_t now = CurrentClock().NowMs(); now < end; now = CurrentClock().NowMs()) {
        CurrentWindowSystem().Wait({}, int(end - now));
    }
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
    uint64_t end = CurrentClock().NowMs() + uint64_t(ms);
    while (!done()) {
        uint64_t now = CurrentClock().NowMs();
        if (now >= end) {
            return false;
        }
        CurrentWindowSystem().Wait({}, 20);
    }
    return true;
}

bool Xdotool(const std::string& arguments) {
    return std::system(("xdotool " + arguments).c_str()) == 0;
}
