#include "tests/backend-qt/QtTestDisplay.h"

#include "platform/backend/headless/HeadlessWindowSystem.h"
#include "platform/backend/qt/QtWindowSystem.h"
#include "platform/kernel/Clock.h"
#include "tests/backend-qt/ChildProcess.h"
#include "tests/backend-qt/Xvfb.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

namespace {

bool g_ready = false;

class QtDisplayEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        // A dialog or menu that never sees its keys would block for ever; end the run instead.
        alarm(300);
        if (!ProgramOnPath("Xvfb")) {
            return;
        }
        m_server = StartXvfb("1024x768x24");
        if (!m_server) {
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
