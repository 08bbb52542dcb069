#include "platform/backend/qt/EventWait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <memory>
#include <vector>

int WaitForEvents(std::span<pollfd> fds, int timeoutMs) {
    if (timeoutMs != 0) {
        // The notifiers and the timer only wake the dispatcher; poll() below says what is
        // ready. They live for this call alone, so no notifier of a descriptor nobody reads
        // fires again and again inside a modal dialog's loop, and a nested wait has its own.
        std::vector<std::unique_ptr<QSocketNotifier>> notifiers;
        for (const pollfd& p : fds) {
            auto notifier = std::make_unique<QSocketNotifier>(p.fd, QSocketNotifier::Read);
            QSocketNotifier* raw = notifier.get();
            QObject::connect(raw, &QSocketNotifier::activated, raw,
                             [raw] { raw->setEnabled(false); });
            notifiers.push_back(std::move(notifier));
        }
        QTimer timer;
        if (timeoutMs > 0) {
            timer.setSingleShot(true);
            timer.setTimerType(Qt::PreciseTimer);
            timer.start(timeoutMs);
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    } else {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    // Widgets and tray icons of destroyed windows go here, outside every event handler.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (pollfd& p : fds) {
        p.revents = 0;
    }
    int ready = ::poll(fds.data(), fds.size(), 0);
    return ready < 0 ? 0 : ready;
}
