#include "bench/HideClock.h"

#include <QEvent>
#include <QWidget>

namespace bench {

HideClock::HideClock(QWidget& widget) {
    widget.installEventFilter(this);
}

bool HideClock::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Hide && !hiddenAt_)
        hiddenAt_ = Clock::now();
    return false;
}

} // namespace bench
