#include "platform/window/MessageLoop.h"
#include "platform/application/TTimer.h"
#include "platform/kernel/Clock.h"
#include "platform/window/Window.h"
#include "platform/window/WindowCalls.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <vector>

namespace {

class LoopTest : public ::testing::Test {
protected:
    void SetUp() override { SetClock(&m_clock); }
    void TearDown() override {
        MessageLoop::Instance().Reset();
        SetClock(nullptr);
    }
    VirtualClock m_clock;
    MessageLoop& m_loop = MessageLoop::Instance();
};

TEST_F(LoopTest, PostedMessagesArriveInOrderBeforeTimersAndQuitEndsTheLoop) {
    std::vector<UINT> seen;
    HWND window = CreateWindowRecord(nullptr, {}, [&](HWND, UINT msg, WPARAM, LPARAM) {
        seen.push_back(msg);
        return LRESULT{0};
    });
    m_loop.SetTimer(0, [&] { seen.push_back(WM_TIMER); });
    PostMessageA(window, WM_USER + 1, 0, 0);
    PostMessageA(window, WM_USER + 2, 0, 0);
    PostQuitMessage(0);
    PostMessageA(window, WM_USER + 3, 0, 0);
    while (m_loop.HandleMessage(true)) {
    }
    EXPECT_EQ(seen, (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));
    DestroyWindowRecord(window);
}

TEST_F(LoopTest, TimerThatFellBehindFiresOnceAndCountsFromThen) {
    TComponent owner(nullptr);
    TTimer timer(&owner);
    timer.SetInterval(100);
    std::vector<uint64_t> fired;
    timer.SetOnTimer([&](TObject*) {
        fired.push_back(m_clock.Elapsed());
        if (fired.size() == 1) {
            m_clock.Advance(450); // a handler that blocks for 450 ms
        }
    });
    while (fired.size() < 3) {
        m_loop.HandleMessage(true);
    }
    EXPECT_EQ(fired, (std::vector<uint64_t>{100, 550, 650}));
}

TEST_F(LoopTest, ATimerAsSlowAsItsIntervalLetsInputAndProcessMessagesThrough) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    int reads = 0;
    m_loop.WatchReadable(fds[0], [&] {
        char byte;
        ASSERT_EQ(read(fds[0], &byte, 1), 1);
        ++reads;
    });
    int ticks = 0;
    UINT_PTR timer = 0;
    // A 10 ms timer whose handler takes 15 ms is always due again when it returns.
    timer = m_loop.SetTimer(10, [&] {
        m_clock.Advance(15);
        if (++ticks > 50) {
            m_loop.KillTimer(timer);
        }
    });
    m_clock.Advance(10);
    ASSERT_EQ(write(fds[1], "x", 1), 1);
    m_loop.HandleMessage(true);
    EXPECT_EQ(reads, 1) << "what waits goes before the due timer";
    for (int i = 0; i < 3; ++i) {
        m_loop.HandleMessage(true);
    }
    EXPECT_EQ(ticks, 3);
    ASSERT_EQ(write(fds[1], "y", 1), 1);
    m_loop.HandleMessage(true);
    EXPECT_EQ(reads, 2);

    ticks = 0;
    EXPECT_TRUE(m_loop.ProcessMessages());
    EXPECT_EQ(ticks, 1) << "each due timer fires once per call";
    close(fds[0]);
    close(fds[1]);
}

TEST_F(LoopTest, DisabledTimerOrTimerWithoutHandlerDoesNotRun) {
    TComponent owner(nullptr);
    TTimer timer(&owner);
    int ticks = 0;
    timer.SetInterval(10);
    timer.SetEnabled(false);
    timer.SetOnTimer([&](TObject*) { ++ticks; });
    EXPECT_EQ(m_loop.MsUntilNextTimer(), -1);
    timer.SetEnabled(true);
    EXPECT_EQ(m_loop.MsUntilNextTimer(), 10);
    m_loop.HandleMessage(true);
    EXPECT_EQ(ticks, 1);
    timer.SetOnTimer(nullptr);
    EXPECT_EQ(m_loop.MsUntilNextTimer(), -1);
}

TEST_F(LoopTest, TopmostWindowsStayAheadOfOrdinaryOnes) {
    HWND a = CreateWindowRecord(nullptr, {}, nullptr);
    HWND b = CreateWindowRecord(nullptr, {}, nullptr);
    SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    SetForegroundWindow(b);
    std::vector<Window*> z = TopLevelZOrder();
    ASSERT_GE(z.size(), 2u);
    EXPECT_EQ(z[0]->Handle(), a);
    EXPECT_EQ(z[1]->Handle(), b);
    EXPECT_EQ(GetForegroundWindow(), b);
    EXPECT_FALSE(IsWindowVisible(a));
    SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, 0x53);
    EXPECT_TRUE(IsWindowVisible(a));
    EXPECT_EQ(GetForegroundWindow(), b) << "SWP_NOACTIVATE keeps the foreground";
    DestroyWindowRecord(a);
    DestroyWindowRecord(b);
}

} // namespace
