#pragma once

#include <poll.h>

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <vector>

class QSocketNotifier;
class QTimer;
struct xcb_connection_t;
typedef struct _GMainContext GMainContext;

// Waits for the descriptors of the platform's loop and for Qt's own events.
//
// When Qt's dispatcher runs on glib's main context (Qt's default on Linux), a blocking wait
// steps that context by hand: glib names Qt's descriptors and how long Qt's own timers let it
// sleep, one poll waits for those and the loop's descriptors together, and Qt's dispatcher is
// entered only when glib finds one of Qt's sources ready. A wake-up for one of the loop's own
// timers then costs that poll and glib's look at its sources, and no Qt timer, event or
// notifier.
//
// With another dispatcher (QT_NO_GLIB), the wait runs Qt's dispatcher with a notifier per
// descriptor and a time-out timer. Each descriptor keeps its notifier from wait to wait:
// adding a notifier to the dispatcher and taking it away again each wake the dispatcher once
// more. A notifier that fires switches itself off until the next wait, so a descriptor nobody
// reads cannot keep a modal dialog's loop spinning.
class EventWait {
public:
    // Made after the application object, whose dispatcher and display connection it keeps.
    EventWait();
    ~EventWait();

    // Waits until one of the descriptors is readable, Qt handled an event (input, painting,
    // the tray), or the time-out (milliseconds, -1 for none) passed. Returns the number of
    // ready descriptors with their revents filled in, as poll() does.
    int Wait(std::span<pollfd> fds, int timeoutMs);

private:
    int WaitWithQtSources(std::span<pollfd> fds, int timeoutMs);
    int WaitInDispatcher(std::span<pollfd> fds, int timeoutMs);
    void WatchOnly(std::span<const pollfd> fds);

    xcb_connection_t* m_connection;
    // Qt's main context when its dispatcher runs on glib; null otherwise.
    GMainContext* m_context;
    // The loop's descriptors followed by Qt's, as one poll takes them; kept from wait to wait.
    std::vector<pollfd> m_polled;

    std::map<int, std::unique_ptr<QSocketNotifier>> m_notifiers;
    // Ends a wait with a time-out; kept from wait to wait, not made and registered anew.
    std::unique_ptr<QTimer> m_timeout;
    uint64_t m_firings = 0;
};
