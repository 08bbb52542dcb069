#include "platform/backend/qt/EventWait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

int PollNow(std::span<pollfd> fds) {
    for (pollfd& p : fds) {
        p.revents = 0;
    }
    int ready = fds.empty() ? 0 : ::poll(fds.data(), fds.size(), 0);
    return ready < 0 ? 0 : ready;
}

// Runs the dispatcher until something happened; true when a descriptor woke it.
bool DispatchUntilWoken(std::span<pollfd> fds, int timeoutMs) {
    // The notifiers and the timer live for this call alone, so no notifier of a descriptor
    // nobody reads fires again and again inside a modal dialog's loop, and a nested wait has
    // its own.
    bool readable = false;
    std::vector<std::unique_ptr<QSocketNotifier>> notifiers;
    for (const pollfd& p : fds) {
        auto notifier = std::make_unique<QSocketNotifier>(p.fd, QSocketNotifier::Read);
        QSocketNotifier* raw = notifier.get();
        QObject::connect(raw, &QSocketNotifier::activated, raw, [raw, &readable] {
            raw->setEnabled(false);
            readable = true;
        });
        notifiers.push_back(std::move(notifier));
    }
    QTimer timer;
    if (timeoutMs > 0) {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        timer.start(timeoutMs);
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return readable;
}

} // namespace

int WaitForEvents(std::span<pollfd> fds, int timeoutMs) {
    bool look = true;
    if (timeoutMs != 0) {
        // A wait that ended for the timer or a Qt event reports no descriptor, without asking
        // the kernel once more; one readable now is found by the next wait at once.
        look = DispatchUntilWoken(fds, timeoutMs);
    } else {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    // Widgets and tray icons of destroyed windows go here, outside every event handler.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!look) {
        for (pollfd& p : fds) {
            p.revents = 0;
        }
        return 0;
    }
    return PollNow(fds);
}
