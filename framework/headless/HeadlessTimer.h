#pragma once

#include "headless/HeadlessWorld.h"
#include "platform/NativeTimer.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace fw::headless {

// A timer on the virtual clock: started at t, it is due at t + period, then every period after
// when repeating.
class HeadlessTimer : public platform::NativeTimer {
public:
    HeadlessTimer(std::shared_ptr<HeadlessWorld> world, std::function<void()> fired);
    ~HeadlessTimer() override;
    HeadlessTimer(const HeadlessTimer&) = delete;
    HeadlessTimer& operator=(const HeadlessTimer&) = delete;

    void start(int periodMs, bool repeating) override;
    void stop() override;

    bool active() const { return active_; }
    std::int64_t due() const { return due_; }
    // Orders timers due at the same moment: the one started first fires first.
    std::uint64_t sequence() const { return sequence_; }
    int period() const { return period_; }
    bool repeating() const { return repeating_; }

    // Sets the clock to the due time, schedules the next firing (or ends a single shot), then
    // calls back; the callback may stop, restart or destroy this timer.
    void fire();

private:
    std::shared_ptr<HeadlessWorld> world_;
    std::function<void()> fired_;
    bool active_ = false;
    bool repeating_ = false;
    int period_ = 0;
    std::int64_t due_ = 0;
    std::uint64_t sequence_ = 0;
};

} // namespace fw::headless
