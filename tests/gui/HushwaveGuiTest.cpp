// The staged program with the simulated processor, on a private X server with a tray host and
// no window manager, driven with xdotool and looked at through screenshots.

#include "platform/graphics/PngWriter.h"
#include "tests/SkipOrFail.h"
#include "tests/backend-qt/ChildProcess.h"
#include "tests/backend-qt/XProbe.h"
#include "tests/gui/Eventually.h"
#include "tests/gui/HushwaveRun.h"
#include "tests/gui/OtherClientWindow.h"
#include "tests/gui/Pictures.h"
#include "tests/gui/PrivateDesktop.h"
#include "tests/gui/ReferenceTooltip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

const std::string kSkin = HUSHWAVE_SKIN_DIR;

// 1800 MHz at the board's 200 MHz clock and 1.3250 V, for ever.
const std::string kSteadyTrace = "0 0xA 0x08\n";

constexpr int kWindowWidth = 385;
constexpr int kWindowHeight = 215;
// The readout's components (bars, digits, labels) lie inside this rectangle of the window;
// elsewhere the window shows its background picture as it is.
constexpr RECT kReadout{32, 59, 345, 189};

RECT Offset(const RECT& r, int dx, int dy) {
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

bool Inside(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

struct SkinComparison {
    int beneathWrong = 0;  // cut-away pixels that do not show what lies beneath
    int skinWrong = 0;     // pixels of the outline, away from the readout, unlike the skin
    int skinCoveredBy = 0; // pixels of the outline that show what lies beneath instead
    friend bool operator==(const SkinComparison&, const SkinComparison&) = default;
};

void PrintTo(const SkinComparison& c, std::ostream* os) {
    *os << "{beneathWrong " << c.beneathWrong << ", skinWrong " << c.skinWrong << ", skinCoveredBy "
        << c.skinCoveredBy << "}";
}

class HushwaveGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"Xvfb", "trayer", "xdotool", "import", "xsetroot"}) {
            if (!ProgramOnPath(tool)) {
                SKIP_OR_FAIL(tool << " is not on PATH");
            }
        }
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
        m_desktop = std::make_unique<PrivateDesktop>();
        m_x = std::make_unique<XProbe>();
        m_background = BmpPicture(kSkin + "/background.bmp");
    }

    void TearDown() override {
        if (HasFailure() && !m_lastScreen.Empty()) {
            std::filesystem::path folder = std::filesystem::path(HUSHWAVE_GUI_FAILURES);
            std::filesystem::create_directories(folder);
            std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
            SavePng(m_lastScreen, (folder / (name + ".png")).string());
            std::cout << "The last screenshot is " << (folder / (name + ".png")).string() << "\n";
        }
        if (HasFailure() && m_run) {
            std::cout << "The end of the program's log:\n" << m_run->LogEnd(40);
        }
        m_run.reset();
        m_x.reset();
        m_desktop.reset();
    }

    // Starts the program and waits until its window is on the screen.
    void Start(const std::string& trace = kSteadyTrace) {
        m_run = std::make_unique<HushwaveRun>(HUSHWAVE_SIM_STAGE, trace);
        ASSERT_TRUE(Eventually(
            [&] {
                m_window = X().FindWindow("frmMain");
                return m_window != 0 && X().IsViewable(m_window);
            },
            10000))
            << "the program's window did not show";
    }

    XProbe& X() { return *m_x; }
    HushwaveRun& Run() { return *m_run; }
    uint32_t Window() const { return m_window; }
    RECT WindowRect() { return X().ScreenRect(m_window); }

    Surface Look() {
        m_lastScreen = Screenshot();
        return m_lastScreen;
    }

    // The screen over the window against the skin: the skin's cut-away colour is that of its
    // top left pixel.
    SkinComparison CompareWithSkin(const Surface& screen, const RECT& window, uint32_t beneath) {
        const uint32_t cutAway = m_background.Pixel(0, 0);
        Surface area =
            PartOf(screen, RECT{window.left, window.top, window.left + m_background.Width(),
                                window.top + m_background.Height()});
        SkinComparison result;
        for (int y = 0; y < m_background.Height(); ++y) {
            for (int x = 0; x < m_background.Width(); ++x) {
                uint32_t shown = area.Pixel(x, y);
                uint32_t skin = m_background.Pixel(x, y);
                if (skin == cutAway) {
                    result.beneathWrong += shown != beneath;
                    continue;
                }
                result.skinCoveredBy += shown == beneath;
                result.skinWrong += !Inside(kReadout, x, y) && shown != skin;
            }
        }
        return result;
    }

    // Waits until the screen shows the skin's outline over `beneath`.
    SkinComparison SkinShown(uint32_t beneath, int timeoutMs = 5000) {
        SkinComparison result;
        Eventually(
            [&] {
                result = CompareWithSkin(Look(), WindowRect(), beneath);
                return result == SkinComparison{};
            },
            timeoutMs);
        return result;
    }

    Surface m_background;

private:
    std::unique_ptr<PrivateDesktop> m_desktop;
    std::unique_ptr<XProbe> m_x;
    std::unique_ptr<HushwaveRun> m_run;
    uint32_t m_window = 0;
    Surface m_lastScreen;
};

TEST_F(HushwaveGuiTest, WindowHasTheSkinsOutlineAndShowsTheDesktopAroundIt) {
    ASSERT_EQ(m_background.Pixel(0, 0), 0xFF00FFu) << "the skin's cut-away colour";
    Start();
    RECT window = WindowRect();
    EXPECT_EQ(window.right - window.left, kWindowWidth);
    EXPECT_EQ(window.bottom - window.top, kWindowHeight);
    EXPECT_EQ(SkinShown(PrivateDesktop::kColour), SkinComparison{});
}

TEST_F(HushwaveGuiTest, WindowAsksToStayOnTopAndToStayOffTheTaskbar) {
    Start();
    std::vector<std::string> state = X().AtomProperty(Window(), "_NET_WM_STATE");
    auto has = [&](const std::string& atom) {
        return std::find(state.begin(), state.end(), atom) != state.end();
    };
    EXPECT_TRUE(has("_NET_WM_STATE_ABOVE"));
    EXPECT_TRUE(has("_NET_WM_STATE_SKIP_TASKBAR"));
}

bool Xdotool(const std::string& arguments) {
    return std::system(("xdotool " + arguments).c_str()) == 0;
}

// Where `picture` shows on `screen` inside `area`, pixel for pixel.
std::optional<POINT> FindPicture(const Surface& screen, const RECT& area, const Surface& picture) {
    for (int y = int(area.top); y + picture.Height() <= area.bottom; ++y) {
        for (int x = int(area.left); x + picture.Width() <= area.right; ++x) {
            RECT at{x, y, x + picture.Width(), y + picture.Height()};
            if (PartOf(screen, at) == picture) {
                return POINT{x, y};
            }
        }
    }
    return std::nullopt;
}

TEST_F(HushwaveGuiTest, TrayIconShowsInTheTrayAndItsTooltipRepeatsTheReading) {
    Start();
    // The second of the two 16 x 16 tray pictures.
    Surface icon = PartOf(BmpPicture(kSkin + "/tray_icons.bmp"), RECT{16, 0, 32, 16});
    uint32_t tray = X().FindWindow("panel");
    ASSERT_NE(tray, 0u) << "trayer's panel";
    std::optional<POINT> at;
    ASSERT_TRUE(Eventually(
        [&] {
            at = FindPicture(Look(), X().ScreenRect(tray), icon);
            return at.has_value();
        },
        5000))
        << "the tray shows no icon of the program";

    Surface expected = ReferenceTooltip("CPU Frequency : 1800 MHz\nVoltage : 1.3250 v");
    ASSERT_FALSE(expected.Empty()) << "no reference tooltip";
    ASSERT_TRUE(
        Xdotool("mousemove " + std::to_string(at->x + 8) + " " + std::to_string(at->y + 8)));
    Surface tooltip;
    EXPECT_TRUE(Eventually(
        [&] {
            RECT popup = X().PopupRect();
            tooltip = popup.right > popup.left ? PartOf(Look(), popup) : Surface();
            return tooltip == expected;
        },
        5000))
        << "the tooltip is " << tooltip.Width() << " x " << tooltip.Height() << ", expected "
        << expected.Width() << " x " << expected.Height();
}

TEST_F(HushwaveGuiTest, DraggingTheBackgroundMovesTheWindow) {
    Start();
    RECT before = WindowRect();
    // On the background picture, above the readout.
    constexpr POINT kGrab{200, 20};
    ASSERT_NE(m_background.Pixel(kGrab.x, kGrab.y), m_background.Pixel(0, 0));
    int x = int(before.left) + kGrab.x;
    int y = int(before.top) + kGrab.y;
    auto point = [](int px, int py) { return std::to_string(px) + " " + std::to_string(py); };
    ASSERT_TRUE(Xdotool("mousemove " + point(x, y) + " mousedown 1 sleep 0.2 mousemove " +
                        point(x - 60, y + 40) + " sleep 0.1 mousemove " + point(x - 120, y + 80) +
                        " sleep 0.2 mouseup 1"));
    RECT expected = Offset(before, -120, 80);
    EXPECT_TRUE(Eventually([&] { return WindowRect() == expected; }, 3000));
    EXPECT_EQ(SkinShown(PrivateDesktop::kColour), SkinComparison{});
}

// Another program's window over the program's window.
constexpr uint32_t kOtherColour = 0xC03030;

class HushwaveCoveredTest : public HushwaveGuiTest {
protected:
    void Cover() {
        ASSERT_EQ(SkinShown(PrivateDesktop::kColour), SkinComparison{});
        RECT window = WindowRect();
        m_other = std::make_unique<OtherClientWindow>(
            RECT{window.left - 20, window.top - 20, window.right + 20, window.bottom + 20},
            kOtherColour);
        ASSERT_TRUE(Eventually(
            [&] {
                Surface shown = PartOf(Look(), window);
                return std::all_of(shown.Bits(), shown.Bits() + shown.Width() * shown.Height(),
                                   [](uint32_t pixel) { return pixel == kOtherColour; });
            },
            3000))
            << "the other window does not cover the program's window";
    }

    OtherClientWindow& Other() { return *m_other; }

    void TearDown() override {
        m_other.reset();
        HushwaveGuiTest::TearDown();
    }

private:
    std::unique_ptr<OtherClientWindow> m_other;
};

TEST_F(HushwaveCoveredTest, RestorePutsTheWindowBackOnTopWithoutTakingTheFocus) {
    Start();
    Cover();
    EXPECT_EQ(Run().Send("restore"), 0);
    EXPECT_EQ(SkinShown(kOtherColour), SkinComparison{});
    EXPECT_EQ(Other().FocusedWindow(), Other().Id());
}

TEST_F(HushwaveCoveredTest, FrontBringsTheWindowForwardWithTheFocus) {
    Start();
    Cover();
    EXPECT_EQ(Run().Send("front"), 0);
    EXPECT_EQ(SkinShown(kOtherColour), SkinComparison{});
    EXPECT_TRUE(Eventually([&] { return Other().FocusedWindow() == Window(); }, 3000));
}

TEST_F(HushwaveGuiTest, QuitEndsTheProgramWithExitCodeZero) {
    Start();
    EXPECT_EQ(Run().Send("quit"), 0);
    EXPECT_EQ(Run().WaitForExit(5000), 0);
    EXPECT_EQ(X().FindWindow("frmMain"), 0u);
}

// Whether the seven frequency digits show `text` in the large digit pictures (0 to 9, then
// the point).
bool ShowsFrequency(const Surface& screen, const RECT& window, const std::string& text) {
    static const Surface digits = BmpPicture(kSkin + "/digits_large.bmp");
    for (int i = 0; i < 7; ++i) {
        int index = text[size_t(i)] == '.' ? 10 : text[size_t(i)] - '0';
        RECT shown{window.left + 170 + 24 * i, window.top + 114, window.left + 192 + 24 * i,
                   window.top + 141};
        if (!(PartOf(screen, shown) == PartOf(digits, RECT{22 * index, 0, 22 * index + 22, 27}))) {
            return false;
        }
    }
    return true;
}

TEST_F(HushwaveGuiTest, DigitsOnTheScreenFollowTheTrace) {
    // 1800 MHz, then from the third second on 2000 MHz.
    Start("0 0xA 0x08\n3000 0xC 0x06\n");
    EXPECT_TRUE(Eventually([&] { return ShowsFrequency(Look(), WindowRect(), "1800.00"); }, 2500));
    EXPECT_TRUE(Eventually([&] { return ShowsFrequency(Look(), WindowRect(), "2000.00"); }, 6000));
}

} // namespace
