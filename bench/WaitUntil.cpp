#include "bench/WaitUntil.h"

#include "bench/Timing.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <stdexcept>

namespace bench {

void waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               const std::string& what) {
    // The tick wakes the loop, so that a condition changed by another thread is seen soon.
    QTimer tick;
    tick.start(std::chrono::milliseconds(2));
    const auto deadline = Clock::now() + timeout;
    while (!condition()) {
        if (Clock::now() > deadline)
            throw std::runtime_error("timed out waiting for " + what);
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

} // namespace bench
