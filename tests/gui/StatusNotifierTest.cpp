// The staged program on a StatusNotifier desktop: a private session bus (a dbus-daemon of the
// test's own, as dbus-run-session starts one) with the tests' own watcher on it, and an X
// server without an XEmbed tray.

#include "tests/backend-qt/ChildProcess.h"
#include "tests/backend-qt/XProbe.h"
#include "tests/backend-qt/Xvfb.h"
#include "tests/gui/Eventually.h"
#include "tests/gui/HushwaveRun.h"
#include "tests/gui/OtherClientWindow.h"

#include "tests/SkipOrFail.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// A session bus for one test; DBUS_SESSION_BUS_ADDRESS names it while it lives.
class PrivateSessionBus {
public:
    PrivateSessionBus() {
        int pipeFds[2];
        if (pipe2(pipeFds, O_CLOEXEC) != 0) {
            throw std::runtime_error("no pipe for the bus address");
        }
        m_daemon = std::make_unique<ChildProcess>(
            std::vector<std::string>{"dbus-daemon", "--session", "--nofork",
                                     "--print-address=" + std::to_string(pipeFds[1])},
            pipeFds[1]);
        close(pipeFds[1]);
        std::string address;
        pollfd p{pipeFds[0], POLLIN, 0};
        char c;
        while (poll(&p, 1, 10000) == 1 && read(pipeFds[0], &c, 1) == 1 && c != '\n') {
            address += c;
        }
        close(pipeFds[0]);
        if (address.empty()) {
            throw std::runtime_error("dbus-daemon gave no address");
        }
        m_saved =
            std::getenv("DBUS_SESSION_BUS_ADDRESS") ? std::getenv("DBUS_SESSION_BUS_ADDRESS") : "";
        setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
    }
    ~PrivateSessionBus() {
        m_saved.empty() ? unsetenv("DBUS_SESSION_BUS_ADDRESS")
                        : setenv("DBUS_SESSION_BUS_ADDRESS", m_saved.c_str(), 1);
    }

private:
    std::unique_ptr<ChildProcess> m_daemon;
    std::string m_saved;
};

std::string Contents(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class StatusNotifierTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string missing = FirstMissingProgram({"Xvfb", "dbus-daemon"});
            !missing.empty()) {
            SKIP_OR_FAIL(missing << " is not on PATH");
        }
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
        m_server = StartXvfb("1024x768x24");
        ASSERT_TRUE(m_server) << "Xvfb did not start";
        m_bus = std::make_unique<PrivateSessionBus>();
        m_report = fs::temp_directory_path() /
                   ("hushwave-status-notifier-" + std::to_string(getpid()) + ".txt");
        m_watcher = std::make_unique<ChildProcess>(
            std::vector<std::string>{HUSHWAVE_STATUS_NOTIFIER_WATCHER, m_report.string()});
        ASSERT_TRUE(Eventually([&] { return Reported("ready\n"); }, 10000))
            << "the watcher did not take its name";
    }
    void TearDown() override {
        m_watcher.reset();
        m_bus.reset();
        m_server.reset();
        std::error_code ignored;
        fs::remove(m_report, ignored);
        fs::remove(m_report.string() + ".commands", ignored);
    }

    void Command(const std::string& line) const {
        std::ofstream(m_report.string() + ".commands", std::ios::app) << line << "\n";
    }

    bool Reported(const std::string& line) const {
        return Contents(m_report).find(line) != std::string::npos;
    }

    std::unique_ptr<ChildProcess> m_server;
    std::unique_ptr<PrivateSessionBus> m_bus;
    std::unique_ptr<ChildProcess> m_watcher;
    fs::path m_report;
};

TEST_F(StatusNotifierTest, IconRegistersWithTheWatcherAndItsTooltipCarriesTheReading) {
    HushwaveRun run(HUSHWAVE_SIM_STAGE, "0 0xA 0x08\n");
    EXPECT_TRUE(Eventually([&] { return Reported("\nitem :"); }, 10000)) << "no item registered:\n"
                                                                         << Contents(m_report);
    // The item's tooltip has a title and a text; the hint is the title.
    EXPECT_TRUE(Eventually(
        [&] { return Reported("\ntooltip CPU Frequency : 1800 MHz\\nVoltage : 1.3250 v|\n"); },
        10000))
        << Contents(m_report);
    EXPECT_EQ(run.Send("quit"), 0);
    EXPECT_EQ(run.WaitForExit(10000), 0);
}

// The host shows the item's menu itself, and its primary click is the only click it has: it
// brings the window back to the front with the focus, as a double click does on an XEmbed tray.
TEST_F(StatusNotifierTest, MenuOffersRestoreAndCloseAndActivationRestoresTheWindow) {
    HushwaveRun run(HUSHWAVE_SIM_STAGE, "0 0xA 0x08\n");
    ASSERT_TRUE(Eventually([&] { return Reported("\nmenu Restore|Close\n"); }, 10000))
        << Contents(m_report);
    XProbe x;
    uint32_t window = 0;
    ASSERT_TRUE(Eventually(
        [&] {
            window = x.FindWindow("frmMain");
            return window != 0 && x.IsViewable(window);
        },
        10000));
    // Another program's window over it takes the focus.
    const RECT area = x.ScreenRect(window);
    OtherClientWindow other(RECT{area.left - 10, area.top - 10, area.right + 10, area.bottom + 10},
                            0xC03030);
    ASSERT_TRUE(Eventually([&] { return other.FocusedWindow() == other.Id(); }, 5000));
    Command("activate");
    EXPECT_TRUE(Eventually([&] { return other.FocusedWindow() == window; }, 5000))
        << "the window did not come back with the focus";
    Command("click Close");
    EXPECT_EQ(run.WaitForExit(10000), 0);
}

} // namespace
