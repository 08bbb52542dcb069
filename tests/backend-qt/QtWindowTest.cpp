#include "platform/graphics/PngWriter.h"
#include "platform/graphics/Region.h"
#include "platform/window/InputCodes.h"
#include "platform/window/Window.h"
#include "platform/window/WindowSystem.h"
#include "tests/backend-qt/QtTestDisplay.h"
#include "tests/backend-qt/XProbe.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    friend bool operator==(const Message&, const Message&) = default;
};

void PrintTo(const Message& m, std::ostream* os) {
    *os << "{0x" << std::hex << m.message << ", 0x" << m.wParam << ", (" << std::dec
        << GET_X_LPARAM(m.lParam) << ", " << GET_Y_LPARAM(m.lParam) << ")}";
}

bool IsInput(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR ||
           (message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK);
}

constexpr RECT kBounds{100, 80, 485, 295}; // 385 x 215

uint32_t PatternPixel(int x, int y) {
    return PixelFromRgb(uint8_t(x * 255 / 384), uint8_t(y * 255 / 214), 0xC0);
}

// A window shaped like a skin: a notch at the top left, a hole in the middle, a tab sticking
// out at the bottom right corner of the outline.
Region SkinShape() {
    Region shape(0, 0, 385, 200);
    shape = shape.Combined(Region(0, 0, 60, 40), RegionOperation::Subtract);
    shape = shape.Combined(Region(150, 90, 230, 130), RegionOperation::Subtract);
    return shape.Combined(Region(300, 200, 385, 215), RegionOperation::Unite);
}

// One top-level window record on the Qt window system; its procedure logs input messages
// and hands every message to `onMessage`.
class TestWindow {
public:
    explicit TestWindow(const std::string& name, RECT bounds = kBounds) {
        m_handle = CreateWindowRecord(nullptr, {}, [this](HWND, UINT msg, WPARAM w, LPARAM l) {
            if (IsInput(msg)) {
                log.push_back(Message{msg, w, l});
            }
            if (onMessage) {
                onMessage(msg, w, l);
            }
            return LRESULT{0};
        });
        Record().SetText(name);
        Record().SetBounds(bounds);
        Surface& surface = Record().GetSurface();
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x) {
                surface.SetPixel(x, y, PatternPixel(x, y));
            }
        }
    }
    ~TestWindow() {
        if (FindWindow(m_handle) != nullptr) {
            DestroyWindowRecord(m_handle);
        }
        PumpFor(50);
    }

    Window& Record() { return *FindWindow(m_handle); }
    HWND Handle() const { return m_handle; }

    // Shows the window and waits until the screen shows its surface at `probe`.
    bool ShowAndWait(XProbe& x, POINT probe = {10, 100}) {
        Record().SetVisible(true);
        RECT b = Record().Bounds();
        return PumpUntil([&] {
            RECT at{b.left + probe.x, b.top + probe.y, b.left + probe.x + 1, b.top + probe.y + 1};
            return x.Capture(at).Pixel(0, 0) == Record().GetSurface().Pixel(probe.x, probe.y);
        });
    }

    std::vector<Message> log;
    std::function<void(UINT, WPARAM, LPARAM)> onMessage;

private:
    HWND m_handle;
};

class QtWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_DISPLAY();
        m_x = std::make_unique<XProbe>();
    }
    XProbe& X() { return *m_x; }

private:
    std::unique_ptr<XProbe> m_x;
};

TEST_F(QtWindowTest, ShapedTopmostWindowShowsItsSurfaceInsideItsRegionAndWhatIsBeneathElsewhere) {
    TestWindow window("shaped");
    Region shape = SkinShape();
    window.Record().SetRegion(shape, false);
    window.Record().SetTopmost(true);
    ASSERT_TRUE(window.ShowAndWait(X()));

    // An ordinary window of squares, shown later and brought to the front, stays beneath.
    constexpr RECT kAround{kBounds.left - 40, kBounds.top - 40, kBounds.right + 40,
                           kBounds.bottom + 40};
    auto square = [](int x, int y) -> uint32_t {
        return ((x / 16 + y / 16) % 2) != 0 ? 0xF0F0F0 : 0x303030;
    };
    TestWindow background("beneath", kAround);
    Surface& squares = background.Record().GetSurface();
    for (int y = 0; y < squares.Height(); ++y) {
        for (int x = 0; x < squares.Width(); ++x) {
            squares.SetPixel(x, y, square(x, y));
        }
    }
    ASSERT_TRUE(background.ShowAndWait(X(), POINT{5, 5}));
    BringToFront(background.Record());
    PumpFor(100);

    Surface screen = X().Capture(kBounds);
    int wrong = 0;
    for (int y = 0; y < screen.Height(); ++y) {
        for (int x = 0; x < screen.Width(); ++x) {
            uint32_t expected = shape.Contains(x, y) ? PatternPixel(x, y) : square(x + 40, y + 40);
            wrong += screen.Pixel(x, y) != expected;
        }
    }
    EXPECT_EQ(wrong, 0);

    uint32_t id = X().FindWindow("shaped");
    ASSERT_NE(id, 0u);
    EXPECT_EQ(X().ScreenRect(id), kBounds);
    std::vector<std::string> state = X().AtomProperty(id, "_NET_WM_STATE");
    EXPECT_NE(std::find(state.begin(), state.end(), "_NET_WM_STATE_SKIP_TASKBAR"), state.end());
    EXPECT_NE(std::find(state.begin(), state.end(), "_NET_WM_STATE_ABOVE"), state.end());
    // Motif hints: flags with the decorations bit (2), then functions, then decorations: none.
    std::vector<uint32_t> motif = X().CardinalProperty(id, "_MOTIF_WM_HINTS");
    ASSERT_GE(motif.size(), 3u);
    EXPECT_TRUE(motif[0] & 2);
    EXPECT_EQ(motif[2], 0u);

    SavePng(X().Capture(kAround), "qt-backend.png");
}

TEST_F(QtWindowTest, ShownWindowThatStartsOrStopsStayingOnTopStaysShownWithoutTaskbarButton) {
    TestWindow window("topmost");
    ASSERT_TRUE(window.ShowAndWait(X()));
    TestWindow other("other",
                     RECT{kBounds.left + 100, kBounds.top, kBounds.right + 100, kBounds.bottom});
    other.Record().GetSurface().Fill(0x0000FF);
    ASSERT_TRUE(other.ShowAndWait(X()));
    // Inside both windows: which of the two is in front.
    RECT overlap{kBounds.left + 150, kBounds.top + 100, kBounds.left + 151, kBounds.top + 101};
    for (bool topmost : {true, false, true}) {
        window.Record().SetTopmost(topmost);
        BringToFront(other.Record());
        uint32_t expected = topmost ? PatternPixel(150, 100) : 0x0000FF;
        EXPECT_TRUE(PumpUntil([&] { return X().Capture(overlap).Pixel(0, 0) == expected; }))
            << "topmost " << topmost;
        uint32_t id = X().FindWindow("topmost");
        EXPECT_TRUE(X().IsViewable(id));
        EXPECT_EQ(X().ScreenRect(id), kBounds);
        std::vector<std::string> state = X().AtomProperty(id, "_NET_WM_STATE");
        EXPECT_NE(std::find(state.begin(), state.end(), "_NET_WM_STATE_SKIP_TASKBAR"), state.end());
    }
}

TEST_F(QtWindowTest, PresentedPixelsAreOnTheScreenWhenPresentReturns) {
    TestWindow window("present");
    ASSERT_TRUE(window.ShowAndWait(X()));
    Surface& surface = window.Record().GetSurface();
    for (int i = 0; i < 12; ++i) {
        RECT block{20 + i * 28, 30, 44 + i * 28, 60};
        uint32_t colour = PixelFromRgb(uint8_t(20 * i), uint8_t(255 - 20 * i), uint8_t(i * 7));
        for (int y = block.top; y < block.bottom; ++y) {
            for (int x = block.left; x < block.right; ++x) {
                surface.SetPixel(x, y, colour);
            }
        }
        window.Record().Present(block);
        // No event is handled between the present and the look at the screen.
        RECT onScreen{kBounds.left + block.left, kBounds.top + block.top,
                      kBounds.left + block.right, kBounds.top + block.bottom};
        Surface shown = X().Capture(onScreen);
        EXPECT_EQ(shown.Pixel(0, 0), colour) << "block " << i;
        EXPECT_EQ(shown.Pixel(23, 29), colour) << "block " << i;
    }
}

TEST_F(QtWindowTest, PresentPaintsOnlyPixelsThatChanged) {
    TestWindow window("unchanged");
    ASSERT_TRUE(window.ShowAndWait(X()));
    uint32_t id = X().FindWindow("unchanged");
    ASSERT_NE(id, 0u);
    // A mark painted past the window system survives a present of pixels that did not change.
    constexpr uint32_t kMark = 0xFF00FF;
    X().FillRect(id, RECT{200, 100, 220, 120}, kMark);
    window.Record().Present();
    RECT mark{kBounds.left + 200, kBounds.top + 100, kBounds.left + 220, kBounds.top + 120};
    EXPECT_EQ(X().Capture(mark).Pixel(5, 5), kMark);

    // A change repaints that change alone, even inside the mark.
    window.Record().GetSurface().SetPixel(10, 10, 0x123456);
    window.Record().Present();
    EXPECT_EQ(X().Capture(mark).Pixel(5, 5), kMark);
    window.Record().GetSurface().SetPixel(205, 105, 0x654321);
    window.Record().Present();
    Surface shown = X().Capture(mark);
    EXPECT_EQ(shown.Pixel(5, 5), 0x654321u);
    EXPECT_EQ(shown.Pixel(4, 5), kMark);
    EXPECT_EQ(shown.Pixel(6, 6), kMark);
}

struct InputCase {
    const char* name;
    const char* actions; // xdotool commands, starting with the pointer at client (50, 50)
    std::vector<Message> expected;
};

LPARAM At(int x, int y) {
    return MakePointLParam(x, y);
}

class QtInputTest : public QtWindowTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(QtInputTest, InputArrivesAsWin32Messages) {
    const InputCase& c = GetParam();
    TestWindow window("input");
    ASSERT_TRUE(window.ShowAndWait(X()));
    SetForegroundWindowRecord(window.Handle());
    ASSERT_TRUE(Xdotool("mousemove 150 130"));
    // Longer than the double-click interval, so the last case's clicks do not pair with these.
    PumpFor(450);
    window.log.clear();

    ASSERT_TRUE(Xdotool(c.actions));
    PumpUntil([&] { return window.log.size() >= c.expected.size(); }, 3000);
    PumpFor(100);
    std::vector<Message> seen = window.log;
    for (Message& m : seen) {
        if (m.message == WM_KEYDOWN || m.message == WM_KEYUP || m.message == WM_CHAR) {
            // Repeat count 1; the transition bit tells a release.
            EXPECT_EQ(m.lParam & 0xFFFF, 1) << c.name;
            EXPECT_EQ((m.lParam >> 31) & 1, m.message == WM_KEYUP ? 1 : 0) << c.name;
            m.lParam = 0;
        }
    }
    EXPECT_EQ(seen, c.expected) << c.name;
}

constexpr WPARAM kA = 'A';
constexpr WPARAM kC = 'C';

INSTANTIATE_TEST_SUITE_P(
    Cases, QtInputTest,
    ::testing::Values(
        InputCase{"move", "mousemove 200 150", {{WM_MOUSEMOVE, 0, At(100, 70)}}},
        InputCase{"left click",
                  "mousedown 1 mouseup 1",
                  {{WM_LBUTTONDOWN, MK_LBUTTON, At(50, 50)}, {WM_LBUTTONUP, 0, At(50, 50)}}},
        InputCase{"drag with the left button",
                  "mousedown 1 mousemove 210 160 mouseup 1",
                  {{WM_LBUTTONDOWN, MK_LBUTTON, At(50, 50)},
                   {WM_MOUSEMOVE, MK_LBUTTON, At(110, 80)},
                   {WM_LBUTTONUP, 0, At(110, 80)}}},
        InputCase{"double click",
                  "click --repeat 2 --delay 60 1",
                  {{WM_LBUTTONDOWN, MK_LBUTTON, At(50, 50)},
                   {WM_LBUTTONUP, 0, At(50, 50)},
                   {WM_LBUTTONDBLCLK, MK_LBUTTON, At(50, 50)},
                   {WM_LBUTTONUP, 0, At(50, 50)}}},
        InputCase{"right click with Shift",
                  "keydown shift mousedown 3 mouseup 3 keyup shift",
                  {{WM_KEYDOWN, VK_SHIFT, 0},
                   {WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, At(50, 50)},
                   {WM_RBUTTONUP, MK_SHIFT, At(50, 50)},
                   {WM_KEYUP, VK_SHIFT, 0}}},
        InputCase{"middle click",
                  "mousedown 2 mouseup 2",
                  {{WM_MBUTTONDOWN, MK_MBUTTON, At(50, 50)}, {WM_MBUTTONUP, 0, At(50, 50)}}},
        InputCase{
            "pointer leaving the window", "mousemove 50 40", {{WM_MOUSEMOVE, 0, At(-50, -40)}}},
        InputCase{"letter", "key a", {{WM_KEYDOWN, kA, 0}, {WM_CHAR, 'a', 0}, {WM_KEYUP, kA, 0}}},
        InputCase{"capital letter",
                  "key shift+a",
                  {{WM_KEYDOWN, VK_SHIFT, 0},
                   {WM_KEYDOWN, kA, 0},
                   {WM_CHAR, 'A', 0},
                   {WM_KEYUP, VK_SHIFT, 0},
                   {WM_KEYUP, kA, 0}}},
        InputCase{"control letter",
                  "key ctrl+c",
                  {{WM_KEYDOWN, VK_CONTROL, 0},
                   {WM_KEYDOWN, kC, 0},
                   {WM_CHAR, 3, 0},
                   {WM_KEYUP, VK_CONTROL, 0},
                   {WM_KEYUP, kC, 0}}},
        InputCase{"keys without characters",
                  "key F5 Left Delete",
                  {{WM_KEYDOWN, VK_F1 + 4, 0},
                   {WM_KEYUP, VK_F1 + 4, 0},
                   {WM_KEYDOWN, VK_LEFT, 0},
                   {WM_KEYUP, VK_LEFT, 0},
                   {WM_KEYDOWN, VK_DELETE, 0},
                   {WM_KEYUP, VK_DELETE, 0}}},
        InputCase{"control keys with characters",
                  "key Return Tab Escape BackSpace",
                  {{WM_KEYDOWN, VK_RETURN, 0},
                   {WM_CHAR, '\r', 0},
                   {WM_KEYUP, VK_RETURN, 0},
                   {WM_KEYDOWN, VK_TAB, 0},
                   {WM_CHAR, '\t', 0},
                   {WM_KEYUP, VK_TAB, 0},
                   {WM_KEYDOWN, VK_ESCAPE, 0},
                   {WM_CHAR, 0x1B, 0},
                   {WM_KEYUP, VK_ESCAPE, 0},
                   {WM_KEYDOWN, VK_BACK, 0},
                   {WM_CHAR, '\b', 0},
                   {WM_KEYUP, VK_BACK, 0}}}),
    [](const ::testing::TestParamInfo<InputCase>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(QtWindowTest, SystemMoveWithoutWindowManagerMovesTheWindowWithThePointer) {
    TestWindow window("move");
    window.onMessage = [&](UINT msg, WPARAM, LPARAM) {
        if (msg == WM_LBUTTONDOWN) {
            CurrentWindowSystem().StartSystemMove(window.Record());
        }
    };
    ASSERT_TRUE(window.ShowAndWait(X()));
    ASSERT_TRUE(Xdotool("mousemove 150 130"));
    PumpFor(150);
    window.log.clear();

    ASSERT_TRUE(Xdotool("mousedown 1 mousemove 180 150 mousemove 230 170 mouseup 1"));
    RECT moved{kBounds.left + 80, kBounds.top + 40, kBounds.right + 80, kBounds.bottom + 40};
    EXPECT_TRUE(PumpUntil([&] { return window.Record().Bounds() == moved; }, 3000));
    PumpFor(100);
    uint32_t id = X().FindWindow("move");
    EXPECT_EQ(X().ScreenRect(id), moved);
    // The move takes the pointer's moves and the release for itself.
    EXPECT_EQ(window.log, (std::vector<Message>{{WM_LBUTTONDOWN, MK_LBUTTON, At(50, 50)}}));

    // After the move, the pointer's moves reach the window again.
    ASSERT_TRUE(Xdotool("mousemove 240 175"));
    EXPECT_TRUE(PumpUntil([&] { return window.log.size() == 2; }, 3000));
    EXPECT_EQ(window.log.back(), (Message{WM_MOUSEMOVE, 0, At(60, 55)}));
}

TEST_F(QtWindowTest, WindowDestroyedInsideItsOwnClickHandlerLeavesTheScreen) {
    TestWindow window("destroyed");
    window.onMessage = [&](UINT msg, WPARAM, LPARAM) {
        if (msg == WM_LBUTTONUP) {
            DestroyWindowRecord(window.Handle());
        }
    };
    ASSERT_TRUE(window.ShowAndWait(X()));
    uint32_t id = X().FindWindow("destroyed");
    ASSERT_TRUE(Xdotool("mousemove 150 130 click 1"));
    EXPECT_TRUE(PumpUntil([&] { return FindWindow(window.Handle()) == nullptr; }, 3000));
    EXPECT_TRUE(PumpUntil([&] { return !X().IsViewable(id); }, 3000));
}

TEST_F(QtWindowTest, HiddenWindowShowsWhatWasDrawnMeanwhileWhenShownAgain) {
    TestWindow window("hidden");
    ASSERT_TRUE(window.ShowAndWait(X()));
    window.Record().SetVisible(false);
    PumpFor(50);
    Surface& surface = window.Record().GetSurface();
    surface.Fill(0x2080F0);
    window.Record().Present();
    window.Record().SetVisible(true);
    Surface expected(385, 215);
    expected.Fill(0x2080F0);
    EXPECT_TRUE(PumpUntil([&] { return X().Capture(kBounds) == expected; }));
}

// The widget Qt shows a window record in.
QWidget* WidgetNamed(const std::string& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowTitle().toStdString() == name) {
            return widget;
        }
    }
    return nullptr;
}

TEST_F(QtWindowTest, AHeldKeyRepeatsItsKeyDownAndIsReleasedOnce) {
    TestWindow window("repeat");
    ASSERT_TRUE(window.ShowAndWait(X()));
    SetForegroundWindowRecord(window.Handle());
    ASSERT_TRUE(Xdotool("mousemove 150 130"));
    PumpFor(200);
    window.log.clear();

    ASSERT_TRUE(Xdotool("keydown space"));
    ASSERT_TRUE(PumpUntil([&] { return !window.log.empty(); }, 3000));
    Message first = window.log.front();
    ASSERT_EQ(first.message, UINT(WM_KEYDOWN));
    EXPECT_EQ((first.lParam >> 30) & 1, 0) << "the first press is no repeat";

    // X repeats the held key as a release and a press; Qt pairs them only when the press is
    // queued already. Here the release comes alone, as it does when the press is late.
    auto keycode = static_cast<quint32>(((first.lParam >> 16) & 0xFF) + 8);
    QWidget* widget = WidgetNamed("repeat");
    ASSERT_NE(widget, nullptr);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, keycode, ' ', 0, " ");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, keycode, ' ', 0, " ");
    window.log.clear();
    QCoreApplication::sendEvent(widget, &release);
    QCoreApplication::sendEvent(widget, &press);
    ASSERT_EQ(window.log.size(), 2u);
    EXPECT_EQ(window.log[0].message, UINT(WM_KEYDOWN)) << "no key up while the key is held";
    EXPECT_EQ((window.log[0].lParam >> 30) & 1, 1) << "the press repeats";
    EXPECT_EQ(window.log[1].message, UINT(WM_CHAR));

    window.log.clear();
    ASSERT_TRUE(Xdotool("keyup space"));
    PumpUntil([&] { return !window.log.empty(); }, 3000);
    PumpFor(100);
    ASSERT_EQ(window.log.size(), 1u);
    EXPECT_EQ(window.log[0].message, UINT(WM_KEYUP));
}

TEST_F(QtWindowTest, HeldModifiersAreTheKeyboardsNotTheLastEvents) {
    ASSERT_TRUE(Xdotool("keydown shift keydown alt"));
    PumpFor(100);
    EXPECT_EQ(CurrentWindowSystem().HeldModifiers(), std::optional<WPARAM>(MK_SHIFT | MK_ALT));
    ASSERT_TRUE(Xdotool("keyup alt keyup shift"));
    PumpFor(100);
    EXPECT_EQ(CurrentWindowSystem().HeldModifiers(), std::optional<WPARAM>(0));
}

TEST_F(QtWindowTest, ActivationAndAnotherClientsGrabReachTheWindow) {
    TestWindow window("activated");
    TestWindow other("other",
                     RECT{kBounds.left, kBounds.bottom + 20, kBounds.right, kBounds.bottom + 120});
    std::vector<Message> seen;
    window.onMessage = [&](UINT msg, WPARAM w, LPARAM) {
        if (msg == WM_ACTIVATE || msg == WM_CANCELMODE) {
            seen.push_back(Message{msg, w, 0});
        }
    };
    ASSERT_TRUE(window.ShowAndWait(X()));
    ASSERT_TRUE(other.ShowAndWait(X(), POINT{5, 5}));
    SetForegroundWindowRecord(window.Handle());
    PumpFor(200);
    seen.clear();

    ASSERT_TRUE(Xdotool("windowfocus " + std::to_string(X().FindWindow("other"))));
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindowRecord() == other.Handle(); }, 3000));
    EXPECT_EQ(seen, (std::vector<Message>{{WM_ACTIVATE, WA_INACTIVE, 0}}));

    ASSERT_TRUE(Xdotool("windowfocus " + std::to_string(X().FindWindow("activated"))));
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindowRecord() == window.Handle(); }, 3000));
    ASSERT_TRUE(Xdotool("mousemove 150 130"));
    PumpFor(200);
    seen.clear();
    ASSERT_TRUE(X().GrabPointer());
    PumpUntil([&] { return !seen.empty(); }, 3000);
    X().UngrabPointer();
    EXPECT_EQ(seen, (std::vector<Message>{{WM_CANCELMODE, 0, 0}}));
}

TEST_F(QtWindowTest, LeavingAShapedWindowThroughItsHoleIsReported) {
    TestWindow window("holed");
    window.Record().SetRegion(SkinShape(), false);
    ASSERT_TRUE(window.ShowAndWait(X()));
    ASSERT_TRUE(Xdotool("mousemove 240 200"));
    PumpFor(200);
    window.log.clear();
    // Into the hole in the middle, which lies inside the window's rectangle.
    ASSERT_TRUE(Xdotool("mousemove 290 190"));
    PumpUntil([&] { return !window.log.empty(); }, 3000);
    PumpFor(100);
    ASSERT_FALSE(window.log.empty());
    EXPECT_EQ(window.log.back(), (Message{WM_MOUSEMOVE, 0, At(190, 110)}));
}

} // namespace
