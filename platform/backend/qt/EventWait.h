#pragma once

#include <poll.h>

#include <cstdint>
#include <map>
#include <memory>
#include <span>

class QSocketNotifier;
class QTimer;

// Waits in Qt's event dispatcher for the descriptors of the platform's loop.
//
// Each descriptor keeps one notifier from wait to wait: adding a notifier to the dispatcher
// and taking it away again each wake the dispatcher once more, a cost on every wait of a loop
// that wakes a hundred times a second. A notifier that fires switches itself off until the
// next wait, so a descriptor nobody reads cannot keep a modal dialog's loop spinning.
class EventWait {
public:
    EventWait();
    ~EventWait();

    // Runs the dispatcher until one of the descriptors is readable, Qt handled an event
    // (input, painting, the tray), or the time-out (milliseconds, -1 for none) passed. Returns
    // the number of ready descriptors with their revents filled in, as poll() does.
    int Wait(std::span<pollfd> fds, int timeoutMs);

private:
    void WatchOnly(std::span<const pollfd> fds);

    std::map<int, std::unique_ptr<QSocketNotifier>> m_notifiers;
    // Ends a wait with a time-out; kept from wait to wait, not made and registered anew.
    std::unique_ptr<QTimer> m_timeout;
    uint64_t m_firings = 0;
};
