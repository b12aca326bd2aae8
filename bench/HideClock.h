#pragma once

#include "bench/Timing.h"

#include <QObject>
#include <optional>

class QWidget;

namespace bench {

// Reads the clock when the watched widget is first hidden; Qt sends the event from inside
// hide(), so the reading is taken as the hiding code runs.
class HideClock final : public QObject {
public:
    explicit HideClock(QWidget& widget);
    const std::optional<Clock::time_point>& hiddenAt() const { return hiddenAt_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<Clock::time_point> hiddenAt_;
};

} // namespace bench
