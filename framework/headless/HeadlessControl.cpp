#include "headless/HeadlessControl.h"

#include "headless/HeadlessWindow.h"

#include <utility>

namespace fw::headless {

HeadlessControl::HeadlessControl(std::shared_ptr<HeadlessWorld> world, HeadlessWindow& owner,
                                 platform::ControlKind kind, platform::ControlEvents& events)
    : world_(std::move(world)), owner_(&owner), kind_(kind), events_(events) {}

HeadlessControl::~HeadlessControl() {
    if (owner_)
        owner_->forget(*this);
}

void HeadlessControl::update(const platform::ControlState& state) {
    if (world_->controlUpdateHook)
        world_->controlUpdateHook(state);
    state_ = state;
    ++updates_;
}

void HeadlessControl::play() {
    if (state_.movie) {
        playing_ = true;
        world_->log.push_back("movie " + state_.movie->file().filename().string());
        return;
    }
    std::weak_ptr<bool> alive = alive_;
    world_->tasks.push_back([this, alive] {
        if (alive.lock())
            events_.movieStopped();
    });
}

void HeadlessControl::finishMovie() {
    playing_ = false;
    events_.movieStopped();
}

} // namespace fw::headless
