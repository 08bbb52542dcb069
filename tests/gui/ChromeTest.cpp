// The window's own chrome on X: its minimise and close buttons, the tray icon that brings the
// hidden window back, and a move from the background with the right button.

#include "tests/gui/HushwaveGuiFixture.h"
#include "tests/gui/ReferenceTooltip.h"

#include <chrono>
#include <optional>
#include <string>
#include <thread>

namespace {

std::string Point(int x, int y) {
    return std::to_string(x) + " " + std::to_string(y);
}

class ChromeTest : public HushwaveGuiTest {
protected:
    // Where a button of the window lies on the screen now.
    RECT OnScreen(const WindowButton& button) {
        RECT window = WindowRect();
        return Offset(button.area, int(window.left), int(window.top));
    }
    // Whether the screen shows the button's picture of the given suffix (up, over, down).
    bool Shows(const WindowButton& button, const std::string& suffix) {
        Surface expected = BmpPicture(kSkin + "/" + button.stem + "_" + suffix + ".bmp");
        return PartOf(Look(), OnScreen(button)) == expected;
    }
    bool Hidden() { return !X().IsViewable(Window()); }
    bool ShownAgain() {
        return X().IsViewable(Window()) && SkinShown(PrivateDesktop::kColour) == SkinComparison{};
    }

    // The middle of the program's tray icon, the second of the two tray pictures.
    POINT TrayIcon() {
        Surface icon = PartOf(BmpPicture(kSkin + "/tray_icons.bmp"), RECT{16, 0, 32, 16});
        uint32_t tray = X().FindWindow("panel");
        EXPECT_NE(tray, 0u) << "trayer's panel";
        std::optional<POINT> at;
        EXPECT_TRUE(Eventually(
            [&] {
                at = FindPicture(Look(), X().ScreenRect(tray), icon);
                return at.has_value();
            },
            5000))
            << "the tray shows no icon of the program";
        return at ? POINT{at->x + 8, at->y + 8} : POINT{};
    }

    // Hides the window with a click on its minimise button.
    void Minimise() {
        RECT button = OnScreen(kMinimise);
        ASSERT_TRUE(
            Xdotool("mousemove " + Point(int(button.left) + 8, int(button.top) + 8) + " click 1"));
        ASSERT_TRUE(Eventually([&] { return Hidden(); }, 3000)) << "the window still shows";
    }
};

TEST_F(ChromeTest, MinimiseHighlightsUnderThePointerSinksWhenPressedAndHidesOnRelease) {
    Start();
    ASSERT_TRUE(Eventually([&] { return Shows(kMinimise, "up") && Shows(kClose, "up"); }, 3000));
    RECT button = OnScreen(kMinimise);
    const std::string over = Point(int(button.left) + 8, int(button.top) + 8);
    ASSERT_TRUE(Xdotool("mousemove " + over));
    EXPECT_TRUE(Eventually([&] { return Shows(kMinimise, "over"); }, 3000)) << "hover highlight";
    EXPECT_TRUE(Shows(kClose, "up"));
    ASSERT_TRUE(Xdotool("mousemove " + Point(int(button.left) - 100, int(button.top) + 20)));
    EXPECT_TRUE(Eventually([&] { return Shows(kMinimise, "up"); }, 3000)) << "left again";
    ASSERT_TRUE(Xdotool("mousemove " + over + " sleep 0.2 mousedown 1"));
    EXPECT_TRUE(Eventually([&] { return Shows(kMinimise, "down"); }, 3000)) << "pressed";
    EXPECT_FALSE(Hidden()) << "a press alone does not hide";
    ASSERT_TRUE(Xdotool("mouseup 1"));
    EXPECT_TRUE(Eventually([&] { return Hidden(); }, 3000));
    EXPECT_FALSE(Eventually([&] { return !Hidden(); }, 1500))
        << "the window came back while the display went on updating";
}

TEST_F(ChromeTest, HiddenWindowKeepsItsTrayIconAndHintAndComesBackFromTheTray) {
    // 1800 MHz, then from the third second on 2000 MHz: the window is hidden before.
    Start("0 0xA 0x08\n3000 0xC 0x06\n");
    auto started = std::chrono::steady_clock::now();
    Minimise();
    POINT icon = TrayIcon();
    ASSERT_NE(icon.x, 0);
    std::this_thread::sleep_until(started + std::chrono::milliseconds(3500));
    EXPECT_TRUE(Hidden());

    // The tooltip shows the hint as it is when the pointer comes to rest over the icon.
    Surface expected = ReferenceTooltip("CPU Frequency : 2000 MHz\nVoltage : 1.3750 v");
    ASSERT_FALSE(expected.Empty()) << "no reference tooltip";
    ASSERT_TRUE(Xdotool("mousemove " + Point(int(icon.x), int(icon.y))));
    EXPECT_TRUE(Eventually(
        [&] {
            RECT popup = X().PopupRect();
            return popup.right > popup.left && PartOf(Look(), popup) == expected;
        },
        5000))
        << "the hint did not follow the processor while the window was hidden";
    ASSERT_TRUE(Xdotool("mousemove " + Point(int(icon.x) - 200, int(icon.y) + 200)));
    ASSERT_TRUE(Eventually([&] { return !X().PopupShown(); }, 3000));

    ASSERT_TRUE(
        Xdotool("mousemove " + Point(int(icon.x), int(icon.y)) + " click --repeat 2 --delay 80 1"));
    EXPECT_TRUE(Eventually([&] { return ShownAgain(); }, 5000)) << "double click";

    Minimise();
    // Long enough after the double click that no press is taken as part of it.
    EXPECT_FALSE(Eventually([&] { return !Hidden(); }, 800)) << "the window came back by itself";
    ASSERT_TRUE(Xdotool("mousemove " + Point(int(icon.x), int(icon.y)) + " sleep 0.2 click 1"));
    EXPECT_FALSE(Eventually([&] { return !Hidden(); }, 1500))
        << "a single left click on the icon brought the window back";
    // Away, so that the hint's tooltip is gone before the menu is looked for.
    ASSERT_TRUE(Xdotool("mousemove " + Point(int(icon.x) - 200, int(icon.y) + 200)));
    ASSERT_TRUE(Eventually([&] { return !X().PopupShown(); }, 3000));
    ASSERT_TRUE(Xdotool("mousemove " + Point(int(icon.x), int(icon.y)) + " sleep 0.2 click 3"));
    RECT menu{};
    ASSERT_TRUE(Eventually(
        [&] {
            menu = X().PopupRect();
            return menu.bottom - menu.top > 20;
        },
        3000))
        << "no menu on the right button's release";
    // "Restore" is the first of the menu's two items.
    int itemHeight = int(menu.bottom - menu.top) / 2;
    ASSERT_TRUE(Xdotool("mousemove " + Point(int(menu.left) + 20, int(menu.top) + itemHeight / 2) +
                        " sleep 0.2 click 1"));
    EXPECT_TRUE(Eventually([&] { return ShownAgain(); }, 5000)) << "the menu's Restore";
}

TEST_F(ChromeTest, CloseEndsTheProgramWithExitCodeZero) {
    Start();
    RECT button = OnScreen(kClose);
    ASSERT_TRUE(
        Xdotool("mousemove " + Point(int(button.left) + 8, int(button.top) + 8) + " click 1"));
    EXPECT_EQ(Run().WaitForExit(5000), 0);
}

TEST_F(ChromeTest, DraggingTheBackgroundWithTheRightButtonMovesTheWindow) {
    Start();
    RECT before = WindowRect();
    constexpr POINT kGrab{200, 20};
    int x = int(before.left) + kGrab.x;
    int y = int(before.top) + kGrab.y;
    ASSERT_TRUE(Xdotool("mousemove " + Point(x, y) + " mousedown 3 sleep 0.2 mousemove " +
                        Point(x - 60, y + 40) + " sleep 0.1 mousemove " + Point(x - 120, y + 80) +
                        " sleep 0.2 mouseup 3"));
    RECT expected = Offset(before, -120, 80);
    EXPECT_TRUE(Eventually([&] { return WindowRect() == expected; }, 3000));
    EXPECT_EQ(SkinShown(PrivateDesktop::kColour), SkinComparison{});
}

} // namespace
