#include "qt/QtTimer.h"

#include "qt/CoreCall.h"

#include <QCoreApplication>
#include <algorithm>

namespace fw::qt {

QtTimer::QtTimer(std::function<void()> fired)
    : timer_(new QTimer(QCoreApplication::instance())), fired_(std::move(fired)) {
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
        // A copy: the handler may destroy this timer, and with it fired_.
        const auto fired = fired_;
        CoreCall::run("a timer's action", fired);
    });
}

QtTimer::~QtTimer() {
    if (!timer_)
        return;
    timer_->stop();
    timer_->disconnect();
    CoreCall::dispose(timer_);
}

void QtTimer::start(int periodMs, bool repeating) {
    if (!timer_)
        return;
    timer_->setSingleShot(!repeating);
    timer_->start(std::max(0, periodMs));
}

void QtTimer::stop() {
    if (timer_)
        timer_->stop();
}

} // namespace fw::qt
