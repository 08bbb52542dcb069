#pragma once
// The one message loop of the process: posted messages first, in the order posted; then
// readable descriptors and the window system's own events; then the timers that are due,
// earliest first. Timers behave like WM_TIMER: one fires only when nothing else waits, which
// the loop looks at without blocking before each firing; a timer that fell behind fires once,
// not once per missed interval, and counts its next interval from the moment it fired.

#include "platform/window/Messages.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class MessageLoop {
public:
    static MessageLoop& Instance();

    void Post(const MSG& message);

    // Returns the timer's id (never 0).
    UINT_PTR SetTimer(UINT intervalMs, std::function<void()> callback);
    void KillTimer(UINT_PTR id);

    // The callback runs on the loop whenever the descriptor is readable (or hung up).
    void WatchReadable(int fd, std::function<void()> callback);
    void Unwatch(int fd);

    // Handles one message or event; with `wait`, blocks until there is one. Returns false when
    // the message handled was WM_QUIT.
    bool HandleMessage(bool wait);
    // Handles everything pending without waiting, each due timer once; false when WM_QUIT was
    // among it.
    bool ProcessMessages();

    // Milliseconds until the next timer is due (0 when one is due now), -1 without timers.
    int MsUntilNextTimer() const;

    // Drops every message, timer and watch: each test starts from an empty loop.
    void Reset();

private:
    struct Timer {
        UINT intervalMs;
        uint64_t due;
        std::function<void()> callback;
    };

    bool DispatchPosted();
    bool DispatchAllPosted();
    std::optional<UINT_PTR> EarliestDueTimer() const;
    void FireTimer(UINT_PTR id);
    bool WaitForEvents(int timeoutMs);

    std::deque<MSG> m_posted;
    std::map<UINT_PTR, Timer> m_timers;
    UINT_PTR m_nextTimer = 1;
    std::map<int, std::function<void()>> m_watches;
};
