// The staged program with the simulated processor, on a private X server with a tray host and
// no window manager, driven with xdotool and looked at through screenshots.

#include "tests/gui/HushwaveGuiFixture.h"
#include "tests/gui/OtherClientWindow.h"
#include "tests/gui/ReferenceTooltip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

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
