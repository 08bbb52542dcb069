#include "platform/window/WindowSystem.h"
#include "tests/backend-qt/QtTestDisplay.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QTimer>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

namespace {

class QtWaitTest : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_DISPLAY();
        ASSERT_EQ(pipe(m_quiet), 0);
        ASSERT_EQ(pipe(m_busy), 0);
    }
    void TearDown() override {
        for (int fd : {m_quiet[0], m_quiet[1], m_busy[0], m_busy[1]}) {
            if (fd >= 0) {
                close(fd);
            }
        }
    }
    int m_quiet[2] = {-1, -1};
    int m_busy[2] = {-1, -1};
};

TEST_F(QtWaitTest, ReportsTheReadableDescriptorsAsPollDoes) {
    ASSERT_EQ(write(m_busy[1], "x", 1), 1);
    pollfd fds[] = {{m_quiet[0], POLLIN, 0}, {m_busy[0], POLLIN, 0}};
    EXPECT_EQ(CurrentWindowSystem().Wait(fds, 1000), 1);
    EXPECT_EQ(fds[0].revents, 0);
    EXPECT_EQ(fds[1].revents, POLLIN);
    // Still readable, so it is reported again, with or without waiting.
    EXPECT_EQ(CurrentWindowSystem().Wait(fds, 0), 1);
    int ready = 0;
    for (int i = 0; i < 10 && ready == 0; ++i) { // Qt events may end a wait first
        ready = CurrentWindowSystem().Wait(fds, 1000);
    }
    EXPECT_EQ(ready, 1);
    EXPECT_EQ(fds[1].revents, POLLIN);
}

TEST_F(QtWaitTest, ReturnsNothingWhenTheTimeOutPasses) {
    pollfd fds[] = {{m_quiet[0], POLLIN, 0}};
    PumpFor(100); // whatever Qt still had to do
    EXPECT_EQ(CurrentWindowSystem().Wait(fds, 30), 0);
    EXPECT_EQ(fds[0].revents, 0);
}

TEST_F(QtWaitTest, WakesWithoutTimeOutWhenADescriptorBecomesReadable) {
    std::thread writer([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        (void)!write(m_busy[1], "x", 1);
    });
    pollfd fds[] = {{m_busy[0], POLLIN, 0}};
    int ready = 0;
    // Qt events may end a wait before the descriptor does; each wait returns 0 then.
    for (int i = 0; i < 1000 && ready == 0; ++i) {
        ready = CurrentWindowSystem().Wait(fds, 5000);
    }
    writer.join();
    EXPECT_EQ(ready, 1);
    EXPECT_EQ(fds[0].revents, POLLIN);
}

// The wait polls Qt's sources itself: a Qt timer shorter than the wait's time-out and an
// event posted to Qt from another thread must each end a long wait and be handled in it.
TEST_F(QtWaitTest, QtTimersAndEventsFromOtherThreadsAreHandledWithinALongWait) {
    using Clock = std::chrono::steady_clock;
    PumpFor(100);
    pollfd fds[] = {{m_quiet[0], POLLIN, 0}};
    struct Case {
        const char* what;
        std::function<void(bool& done)> start;
    };
    std::thread poster;
    const Case cases[] = {
        {"a Qt timer", [](bool& done) { QTimer::singleShot(30, qApp, [&done] { done = true; }); }},
        {"an event posted from another thread",
         [&poster](bool& done) {
             poster = std::thread([&done] {
                 std::this_thread::sleep_for(std::chrono::milliseconds(30));
                 QMetaObject::invokeMethod(
                     qApp, [&done] { done = true; }, Qt::QueuedConnection);
             });
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bool done = false;
        const Clock::time_point begin = Clock::now();
        c.start(done);
        for (int i = 0; i < 5 && !done; ++i) {
            CurrentWindowSystem().Wait(fds, 3000);
        }
        if (poster.joinable()) {
            poster.join();
        }
        EXPECT_TRUE(done);
        EXPECT_LT(Clock::now() - begin, std::chrono::milliseconds(2500))
            << "the wait ran out its time-out instead of waking for Qt";
    }
}

} // namespace
