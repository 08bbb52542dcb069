#include "platform/window/WindowSystem.h"
#include "tests/SkipOrFail.h"
#include "tests/backend-qt/ChildProcess.h"
#include "tests/backend-qt/QtTestDisplay.h"
#include "tests/backend-qt/XProbe.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr uint32_t kIconRed = 0xE01010;
constexpr RECT kTopOfScreen{0, 0, 1024, 48};

struct Click {
    TrayEvent event;
    POINT at;
    friend bool operator==(const Click&, const Click&) = default;
};

class RecordingClient final : public TrayIconClient {
public:
    void TrayEventArrived(TrayEvent event, POINT at) override { clicks.push_back({event, at}); }
    void TrayMenuEntryChosen(int) override {}
    std::vector<Click> clicks;
};

// The tray host runs for each test, so every test starts from a tray without icons.
class QtTrayTest : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_DISPLAY();
        if (!ProgramOnPath("trayer")) {
            SKIP_OR_FAIL("no tray host: trayer is not on PATH");
        }
        m_tray = std::make_unique<ChildProcess>(std::vector<std::string>{
            "trayer", "--edge", "top", "--align", "right", "--widthtype", "request", "--height",
            "24", "--transparent", "false", "--tint", "0x404040"});
        ASSERT_TRUE(PumpUntil([&] { return m_x.SelectionOwned("_NET_SYSTEM_TRAY_S0"); }));
    }
    void TearDown() override {
        m_tray.reset();
        PumpFor(100);
    }

    // The middle of the icon's red pixels on the screen, if there are any.
    std::optional<POINT> IconOnScreen() {
        Surface top = m_x.Capture(kTopOfScreen);
        RECT box{top.Width(), top.Height(), -1, -1};
        for (int y = 0; y < top.Height(); ++y) {
            for (int x = 0; x < top.Width(); ++x) {
                if (top.Pixel(x, y) == kIconRed) {
                    box = RECT{std::min(box.left, LONG(x)), std::min(box.top, LONG(y)),
                               std::max(box.right, LONG(x)), std::max(box.bottom, LONG(y))};
                }
            }
        }
        if (box.right < 0) {
            return std::nullopt;
        }
        return POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    }

    XProbe m_x;
    std::unique_ptr<ChildProcess> m_tray;
};

TEST_F(QtTrayTest, IconFromTheSurfaceShowsInTheTrayAndClicksArriveAsButtonEvents) {
    RecordingClient client;
    WindowSystem& system = CurrentWindowSystem();
    int id = system.CreateTrayIcon(client);
    TrayIconState state;
    state.icon = Surface(16, 16);
    state.icon.Fill(kIconRed);
    state.hint = "CPU Frequency : 2200 MHz\nVoltage : 1.4500 v";
    state.visible = true;
    system.UpdateTrayIcon(id, state);

    std::optional<POINT> icon;
    ASSERT_TRUE(PumpUntil([&] { return (icon = IconOnScreen()).has_value(); }));
    std::string at = std::to_string(icon->x) + " " + std::to_string(icon->y);
    struct Step {
        const char* actions;
        std::vector<TrayEvent> expected;
    };
    // Presses and releases apart, looking in between: the client's menu opens on the release.
    const Step steps[] = {
        {"mousedown 3", {TrayEvent::RightDown}},
        {"mouseup 3", {TrayEvent::RightUp}},
        {"mousedown 1", {TrayEvent::LeftDown}},
        {"mouseup 1", {TrayEvent::LeftUp}},
        {"click 1", {TrayEvent::LeftDown, TrayEvent::LeftUp}},
        // The client shows its menu on the release, so Qt shows none of its own.
        {"click 3", {TrayEvent::RightDown, TrayEvent::RightUp}},
        {"click --repeat 2 --delay 60 1",
         {TrayEvent::LeftDown, TrayEvent::LeftUp, TrayEvent::LeftDoubleClick, TrayEvent::LeftUp}},
    };
    for (const Step& step : steps) {
        client.clicks.clear();
        ASSERT_TRUE(Xdotool("mousemove " + at + " " + step.actions));
        PumpUntil([&] { return client.clicks.size() >= step.expected.size(); }, 3000);
        PumpFor(450); // past the double-click interval, and time for a stray menu to show
        std::vector<Click> expected;
        for (TrayEvent event : step.expected) {
            expected.push_back(Click{event, *icon});
        }
        EXPECT_EQ(client.clicks, expected) << step.actions;
        EXPECT_FALSE(m_x.PopupShown()) << step.actions;
    }

    system.DestroyTrayIcon(id);
    EXPECT_TRUE(PumpUntil([&] { return !IconOnScreen(); }));
}

TEST_F(QtTrayTest, HiddenIconLeavesTheTray) {
    RecordingClient client;
    WindowSystem& system = CurrentWindowSystem();
    int id = system.CreateTrayIcon(client);
    TrayIconState state;
    state.icon = Surface(16, 16);
    state.icon.Fill(kIconRed);
    state.visible = true;
    system.UpdateTrayIcon(id, state);
    ASSERT_TRUE(PumpUntil([&] { return IconOnScreen().has_value(); }));
    state.visible = false;
    system.UpdateTrayIcon(id, state);
    EXPECT_TRUE(PumpUntil([&] { return !IconOnScreen(); }));
    system.DestroyTrayIcon(id);
}

} // namespace
