// The staged program in a Wayland session that offers XWayland: weston's headless backend with
// its X server. The program asks Qt for X unless QT_QPA_PLATFORM names another platform.

#include "tests/backend-qt/ChildProcess.h"
#include "tests/backend-qt/XProbe.h"
#include "tests/gui/Eventually.h"
#include "tests/gui/HushwaveRun.h"

#include "tests/SkipOrFail.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// A headless weston with XWayland in a runtime folder of its own. WAYLAND_DISPLAY (as a full
// path, since the program keeps its own runtime folder) and DISPLAY name it while it lives.
class PrivateWaylandSession {
public:
    PrivateWaylandSession() {
        std::string pattern = (fs::temp_directory_path() / "hushwave-weston-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary folder");
        }
        m_folder = pattern;
        setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
        m_compositor = std::make_unique<ChildProcess>(std::vector<std::string>{
            "weston", "--backend=headless-backend.so", "--xwayland", "--socket=wayland-test",
            "--width=1024", "--height=768", "--idle-time=0", "--log=" + Log().string()});
        // Weston names the X display it listens on in its log.
        const std::regex listening("xserver listening on display (:[0-9]+)");
        std::smatch display;
        const bool up = Eventually(
            [&] {
                std::ifstream in(Log());
                std::stringstream text;
                text << in.rdbuf();
                const std::string log = text.str();
                if (!std::regex_search(log, display, listening)) {
                    return false;
                }
                m_display = display[1].str();
                return fs::exists(m_folder / "wayland-test");
            },
            15000);
        if (!up) {
            throw std::runtime_error("weston did not start with XWayland");
        }
        setenv("WAYLAND_DISPLAY", (m_folder / "wayland-test").c_str(), 1);
        setenv("DISPLAY", m_display.c_str(), 1);
        setenv("XDG_SESSION_TYPE", "wayland", 1);
    }
    ~PrivateWaylandSession() {
        m_compositor.reset();
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("XDG_SESSION_TYPE");
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }

private:
    fs::path Log() const { return m_folder / "weston.log"; }

    fs::path m_folder;
    std::string m_display;
    std::unique_ptr<ChildProcess> m_compositor;
};

class WaylandSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string missing = FirstMissingProgram({"weston", "Xwayland"});
            !missing.empty()) {
            SKIP_OR_FAIL(missing << " is not on PATH");
        }
        unsetenv("QT_QPA_PLATFORM");
        setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
        m_session = std::make_unique<PrivateWaylandSession>();
    }
    void TearDown() override {
        unsetenv("QT_QPA_PLATFORM");
        m_session.reset();
    }

    std::unique_ptr<PrivateWaylandSession> m_session;
};

TEST_F(WaylandSessionTest, WindowIsAnXWindowThroughXWayland) {
    HushwaveRun run(HUSHWAVE_SIM_STAGE, "0 0xA 0x08\n");
    XProbe x;
    EXPECT_TRUE(Eventually(
        [&] {
            const uint32_t window = x.FindWindow("frmMain");
            return window != 0 && x.IsViewable(window);
        },
        10000))
        << "no window of the program on XWayland";
    EXPECT_EQ(run.Send("quit"), 0);
    EXPECT_EQ(run.WaitForExit(10000), 0);
}

TEST_F(WaylandSessionTest, PlatformTheUserChoseStands) {
    setenv("QT_QPA_PLATFORM", "wayland", 1);
    HushwaveRun run(HUSHWAVE_SIM_STAGE, "0 0xA 0x08\n");
    ASSERT_TRUE(Eventually(
        [&] { return run.LogEnd(400).find("ShowEffect completed.") != std::string::npos; }, 10000))
        << run.LogEnd(5);
    XProbe x;
    EXPECT_EQ(x.FindWindow("frmMain"), 0u) << "the window went to X all the same";
    EXPECT_EQ(run.Send("quit"), 0);
    EXPECT_EQ(run.WaitForExit(10000), 0);
}

} // namespace
