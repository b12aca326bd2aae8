#include "RatingProbe.h"

#include "Desktop.h"
#include "Report.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kRatingTickMs = 4500;

// The newest repeating 4500 ms timer: the one of the rating window made last.
QTimer* ratingTimer() {
    QTimer* found = nullptr;
    for (QObject* child : QCoreApplication::instance()->children())
        if (auto* timer = qobject_cast<QTimer*>(child))
            if (timer->isActive() && !timer->isSingleShot() && timer->interval() == kRatingTickMs)
                found = timer;
    return found;
}

} // namespace

RatingProbe::RatingProbe(QWidget* ratingWindow)
    : rateMe_(Desktop::button(ratingWindow, QStringLiteral("Rate Me"))), timer_(ratingTimer()) {
    Report::require(rateMe_ != nullptr, "the rating window has \"Rate Me\"");
    Report::require(timer_ != nullptr, "the rating window's timer runs, every 4500 ms");
    rateMe_->installEventFilter(this);
    connect(timer_, &QTimer::timeout, this, [this] {
        ++ticks_;
        sinceTick_ = 0;
    });
}

void RatingProbe::setTickPeriod(int ms) {
    timer_->setInterval(ms);
}

bool RatingProbe::eventFilter(QObject* watched, QEvent* event) {
    if (watched == rateMe_ && event->type() == QEvent::EnabledChange && !rateMe_->isEnabled()) {
        ++ratings_;
        ++sinceTick_;
        most_ = std::max(most_, sinceTick_);
    }
    return false;
}
