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

bool MessageLoop::FireDueTimer() {
    uint64_t now = CurrentClock().NowMs();
    auto due = m_timers.end();
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
        if (it->second.due <= now && (due == m_timers.end() || it->second.due < due->second.due)) {
            due = it;
        }
    }
    if (due == m_timers.end()) {
        return false;
    }
    due->second.due = now + std::max<UINT>(due->second.intervalMs, 1);
    // The callback may kill or reset any timer, this one included.
    std::function<void()> callback = due->second.callback;
    callback();
    return true;
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

bool MessageLoop::HandleMessage(bool wait) {
    for (;;) {
        if (!m_posted.empty()) {
            return DispatchPosted();
        }
        if (FireDueTimer()) {
            return true;
        }
        // Look at descriptors and window-system events even when a timer is due next, so a
        // busy timer cannot starve input.
        int timeout = wait ? MsUntilNextTimer() : 0;
        if (WaitForEvents(timeout) || !wait || timeout < 0) {
            return true;
        }
    }
}

bool MessageLoop::ProcessMessages() {
    while (!m_posted.empty()) {
        if (!DispatchPosted()) {
            return false;
        }
    }
    while (FireDueTimer()) {
    }
    WaitForEvents(0);
    while (!m_posted.empty()) {
        if (!DispatchPosted()) {
            return false;
        }
    }
    return true;
}

void MessageLoop::Reset() {
    m_posted.clear();
    m_timers.clear();
    m_watches.clear();
}
