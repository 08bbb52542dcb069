#include "platform/backend/qt/EventWait.h"

#include "platform/backend/qt/X11Calls.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>

EventWait::EventWait() {
    m_timeout = std::make_unique<QTimer>();
    m_timeout->setSingleShot(true);
    m_timeout->setTimerType(Qt::PreciseTimer);
}

EventWait::~EventWait() = default;

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

int EventWait::Wait(std::span<pollfd> fds, int timeoutMs) {
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
        // A request such as a restack may still sit in the X buffer; nothing else would send it
        // before some X event arrives.
        FlushToXServer();
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
