#pragma once

#include "headless/HeadlessWorld.h"
#include "platform/NativeControl.h"

#include <memory>

namespace fw::headless {

class HeadlessWindow;

// A native control that keeps what the core last showed in it.
class HeadlessControl : public platform::NativeControl {
public:
    HeadlessControl(std::shared_ptr<HeadlessWorld> world, HeadlessWindow& owner, platform::ControlKind kind,
                    platform::ControlEvents& events);
    ~HeadlessControl() override;
    HeadlessControl(const HeadlessControl&) = delete;
    HeadlessControl& operator=(const HeadlessControl&) = delete;

    void update(const platform::ControlState& state) override;
    // With a movie: records "movie <file name>" and plays until finishMovie(). Without one: reports
    // movieStopped from the event loop, as a player with nothing to play does.
    void play() override;

    platform::ControlKind kind() const { return kind_; }
    const platform::ControlState& state() const { return state_; }
    // How many times the core pushed a state.
    int updates() const { return updates_; }
    bool playing() const { return playing_; }
    // The window holding the control; null once that native window is gone.
    HeadlessWindow* owner() const { return owner_; }
    platform::ControlEvents& events() const { return events_; }

    // The playing movie reached its end.
    void finishMovie();
    // Called by the owning window as it goes.
    void ownerGone() { owner_ = nullptr; }

private:
    std::shared_ptr<HeadlessWorld> world_;
    HeadlessWindow* owner_;
    platform::ControlKind kind_;
    platform::ControlEvents& events_;
    platform::ControlState state_;
    int updates_ = 0;
    bool playing_ = false;
    // Posted reports check it, so none reaches a control that is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace fw::headless
