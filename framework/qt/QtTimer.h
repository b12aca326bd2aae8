#pragma once

#include "platform/NativeTimer.h"

#include <QPointer>
#include <QTimer>
#include <functional>

namespace fw::qt {

class QtTimer final : public platform::NativeTimer {
public:
    explicit QtTimer(std::function<void()> fired);
    ~QtTimer() override;
    QtTimer(const QtTimer&) = delete;
    QtTimer& operator=(const QtTimer&) = delete;

    void start(int periodMs, bool repeating) override;
    void stop() override;

private:
    // Owned by the application object, so that it is gone with the event loop it belongs to.
    QPointer<QTimer> timer_;
    std::function<void()> fired_;
};

} // namespace fw::qt
