#include "headless/HeadlessTimer.h"

#include <algorithm>
#include <utility>

namespace fw::headless {

HeadlessTimer::HeadlessTimer(std::shared_ptr<HeadlessWorld> world, std::function<void()> fired)
    : world_(std::move(world)), fired_(std::move(fired)) {
    world_->timers.push_back(this);
}

HeadlessTimer::~HeadlessTimer() {
    std::erase(world_->timers, this);
}

void HeadlessTimer::start(int periodMs, bool repeating) {
    // A repeating timer of period 0 would fire forever within one instant.
    period_ = std::max(periodMs, repeating ? 1 : 0);
    repeating_ = repeating;
    active_ = true;
    due_ = world_->now + period_;
    sequence_ = world_->nextSequence++;
}

void HeadlessTimer::stop() {
    active_ = false;
}

void HeadlessTimer::fire() {
    world_->now = due_;
    if (repeating_) {
        due_ += period_;
        sequence_ = world_->nextSequence++;
    } else {
        active_ = false;
    }
    auto callback = fired_; // this timer may be gone when the callback returns
    callback();
}

} // namespace fw::headless
