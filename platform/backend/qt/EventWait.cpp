#include "platform/backend/qt/EventWait.h"

#include "platform/backend/qt/X11Calls.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <glib.h>

#include <algorithm>
#include <cstddef>

namespace {

// glib polls its GPollFD records with poll() itself on this platform; the two are one layout,
// so one array holds the loop's descriptors and glib's.
static_assert(sizeof(GPollFD) == sizeof(pollfd) && offsetof(GPollFD, fd) == offsetof(pollfd, fd) &&
              offsetof(GPollFD, events) == offsetof(pollfd, events) &&
              offsetof(GPollFD, revents) == offsetof(pollfd, revents));

GMainContext* QtMainContext() {
    // Qt's glib dispatcher of the main thread runs on glib's default context.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    return dispatcher != nullptr && dispatcher->inherits("QEventDispatcherGlib")
               ? g_main_context_default()
               : nullptr;
}

// The shorter of two time-outs in milliseconds, where -1 waits for ever.
int Sooner(int a, int b) {
    if (a < 0) {
        return b;
    }
    return b < 0 ? a : std::min(a, b);
}

} // namespace

EventWait::EventWait() : m_connection(XConnection()), m_context(QtMainContext()) {
    m_timeout = std::make_unique<QTimer>();
    m_timeout->setSingleShot(true);
    m_timeout->setTimerType(Qt::PreciseTimer);
}

EventWait::~EventWait() = default;

int EventWait::Wait(std::span<pollfd> fds, int timeoutMs) {
    if (timeoutMs != 0) {
        // A request such as a restack may still sit in the X buffer; nothing else would send
        // it before some X event arrives.
        FlushToXServer(m_connection);
    }
    if (m_context != nullptr && g_main_context_acquire(m_context)) {
        return WaitWithQtSources(fds, timeoutMs);
    }
    return WaitInDispatcher(fds, timeoutMs);
}

// One iteration of glib's main context, split where glib allows a loop of its own to wait:
// prepare, query, one poll, check. Dispatching is left to Qt's dispatcher, which steps the
// context once more without waiting and finds the same sources ready.
int EventWait::WaitWithQtSources(std::span<pollfd> fds, int timeoutMs) {
    const size_t ours = fds.size();
    if (m_polled.size() < ours) {
        m_polled.resize(ours);
    }
    std::copy(fds.begin(), fds.end(), m_polled.begin());

    gint priority = 0;
    const bool readyNow = g_main_context_prepare(m_context, &priority);
    gint qtTimeout = -1;
    gint qtCount = 0;
    for (;;) {
        const auto room = static_cast<gint>(m_polled.size() - ours);
        qtCount = g_main_context_query(m_context, priority, &qtTimeout,
                                       reinterpret_cast<GPollFD*>(m_polled.data() + ours), room);
        if (qtCount <= room) {
            break;
        }
        m_polled.resize(ours + static_cast<size_t>(qtCount));
    }
    const int timeout = readyNow ? 0 : Sooner(timeoutMs, qtTimeout);
    pollfd* all = m_polled.data();
    const size_t count = ours + static_cast<size_t>(qtCount);
    if (::poll(all, count, timeout) < 0) {
        // Interrupted: nothing is reported ready, and the caller waits again.
        std::for_each(all, all + count, [](pollfd& p) { p.revents = 0; });
    }
    const bool qtReady =
        g_main_context_check(m_context, priority, reinterpret_cast<GPollFD*>(all + ours), qtCount);
    g_main_context_release(m_context);

    int ready = 0;
    for (size_t i = 0; i < ours; ++i) {
        fds[i].revents = all[i].revents;
        ready += all[i].revents != 0 ? 1 : 0;
    }
    if (qtReady) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        // Widgets and tray icons of destroyed windows go here, outside every event handler;
        // their deletion was posted, which made Qt's sources ready.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return ready;
}

void EventWait::WatchOnly(std::span<const pollfd> fds) {
    std::erase_if(m_notifiers, [&](const auto& entry) {
        return std::none_of(fds.begin(), fds.end(),
                            [&](const pollfd& p) { return p.fd == entry.first; });
    });
    for (const pollfd& p : fds) {
        std::unique_ptr<QSocketNotifier>& notifier = m_notifiers[p.fd];
        if (!notifier) {
            notifier = std::make_unique<QSocketNotifier>(p.fd, QSocketNotifier::Read);
            QSocketNotifier* raw = notifier.get();
            QObject::connect(raw, &QSocketNotifier::activated, raw, [this, raw] {
                raw->setEnabled(false);
                ++m_firings;
            });
        } else if (!notifier->isEnabled()) {
            notifier->setEnabled(true);
        }
    }
}

int EventWait::WaitInDispatcher(std::span<pollfd> fds, int timeoutMs) {
    WatchOnly(fds);
    // Without a notifier firing, the wait ended for the timer or a Qt event: no descriptor
    // is reported, without asking the kernel once more; one readable by now is found by the
    // next wait at once.
    bool look = true;
    if (timeoutMs != 0) {
        uint64_t firings = m_firings;
        if (timeoutMs > 0) {
            m_timeout->start(timeoutMs);
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        m_timeout->stop();
        look = m_firings != firings;
    } else {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    // Widgets and tray icons of destroyed windows go here, outside every event handler.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (pollfd& p : fds) {
        p.revents = 0;
    }
    if (!look || fds.empty()) {
        return 0;
    }
    int ready = ::poll(fds.data(), fds.size(), 0);
    return ready < 0 ? 0 : ready;
}
