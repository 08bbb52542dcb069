#include "platform/window/MessageLoop.h"

#include "platform/kernel/Clock.h"
#include "platform/window/Window.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>
#include <limits>

MessageLoop& MessageLoop::Instance() {
    static MessageLoop loop;
    return loop;
}

void MessageLoop::Post(const MSG& message) {
    m_posted.push_back(message);
}

UINT_PTR MessageLoop::SetTimer(UINT intervalMs, std::function<void()> callback) {
    UINT_PTR id = m_nextTimer++;
    m_timers[id] = Timer{intervalMs, CurrentClock().NowMs() + intervalMs, std::move(callback)};
    return id;
}

void MessageLoop::KillTimer(UINT_PTR id) {
    m_timers.erase(id);
}

void MessageLoop::WatchReadable(int fd, std::function<void()> callback) {
    m_watches[fd] = std::move(callback);
}

void MessageLoop::Unwatch(int fd) {
    m_watches.erase(fd);
}

int MessageLoop::MsUntilNextTimer() const {
    if (m_timers.empty()) {
        return -1;
    }
    uint64_t now = CurrentClock().NowMs();
    uint64_t earliest = std::numeric_limits<uint64_t>::max();
    for (const auto& [id, timer] : m_timers) {
        earliest = std::min(earliest, timer.due);
    }
    return earliest <= now ? 0 : static_cast<int>(earliest - now);
}

bool MessageLoop::DispatchPosted() {
    MSG message = m_posted.front();
    m_posted.pop_front();
    if (message.message == WM_QUIT) {
        return false;
    }
    if (Window* window = FindWindow(message.hwnd)) {
        window->Deliver(message.message, message.wParam, message.lParam);
    }
    return true;
}

std::optional<UINT_PTR> MessageLoop::EarliestDueTimer() const {
    uint64_t now = CurrentClock().NowMs();
    std::optional<UINT_PTR> earliest;
    for (const auto& [id, timer] : m_timers) {
        if (timer.due <= now && (!earliest || timer.due < m_timers.at(*earliest).due)) {
            earliest = id;
        }
    }
    return earliest;
}

void MessageLoop::FireTimer(UINT_PTR id) {
    Timer& timer = m_timers.at(id);
    timer.due = CurrentClock().NowMs() + std::max<UINT>(timer.intervalMs, 1);
    // The callback may kill or reset any timer, this one included.
    std::function<void()> callback = timer.callback;
    callback();
}

bool MessageLoop::WaitForEvents(int timeoutMs) {
    std::vector<pollfd> fds;
    for (const auto& [fd, callback] : m_watches) {
        fds.push_back(pollfd{fd, POLLIN, 0});
    }
    int ready = CurrentWindowSystem().Wait(fds, timeoutMs);
    if (ready <= 0) {
        return false;
    }
    for (const pollfd& p : fds) {
        if (p.revents == 0) {
            continue;
        }
        auto it = m_watches.find(p.fd);
        if (it != m_watches.end()) {
            std::function<void()> callback = it->second;
            callback();
        }
    }
    return true;
}

bool MessageLoop::DispatchAllPosted() {
    while (!m_posted.empty()) {
        if (!DispatchPosted()) {
            return false;
        }
    }
    return true;
}

bool MessageLoop::HandleMessage(bool wait) {
    // Set by a wait that just ended with nothing ready: looking again at once would find
    // nothing either and only cost a wake-up's second pass over every descriptor.
    bool justLooked = false;
    for (;;) {
        if (!m_posted.empty()) {
            return DispatchPosted();
        }
        if (std::optional<UINT_PTR> due = EarliestDueTimer()) {
            // A timer fires only when no other input waits: what arrived meanwhile goes first,
            // so a handler as slow as its interval cannot keep input out.
            if (!justLooked && WaitForEvents(0)) {
                return true;
            }
            if (!m_posted.empty()) {
                return DispatchPosted();
            }
            if (m_timers.contains(*due)) {
                FireTimer(*due);
            }
            return true;
        }
        int timeout = wait ? MsUntilNextTimer() : 0;
        if (WaitForEvents(timeout) || !wait || timeout < 0) {
            return true;
        }
        justLooked = true;
    }
}

bool MessageLoop::ProcessMessages() {
    if (!DispatchAllPosted()) {
        return false;
    }
    WaitForEvents(0);
    if (!DispatchAllPosted()) {
        return false;
    }
    // Each timer due now fires once; one that falls due again meanwhile waits for the next
    // call, so the call returns however slow the handlers are.
    std::vector<UINT_PTR> due;
    while (std::optional<UINT_PTR> id = EarliestDueTimer()) {
        if (std::find(due.begin(), due.end(), *id) != due.end()) {
            break;
        }
        due.push_back(*id);
        FireTimer(*id);
    }
    return DispatchAllPosted();
}

void MessageLoop::Reset() {
    m_posted.clear();
    m_timers.clear();
    m_watches.clear();
}
