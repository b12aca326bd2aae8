#pragma once

#include "headless/HeadlessWorld.h"
#include "platform/NativeWindow.h"

#include <memory>
#include <optional>
#include <vector>

namespace fw::headless {

class HeadlessControl;

// A native window that keeps what the core last showed in it, its menu bar and its controls.
class HeadlessWindow : public platform::NativeWindow {
public:
    HeadlessWindow(std::shared_ptr<HeadlessWorld> world, platform::WindowEvents& events);
    ~HeadlessWindow() override;
    HeadlessWindow(const HeadlessWindow&) = delete;
    HeadlessWindow& operator=(const HeadlessWindow&) = delete;

    void update(const platform::WindowState& state) override;
    void setMenuBar(const platform::MenuSpec* menuBar) override;
    std::unique_ptr<platform::NativeControl> createControl(platform::ControlKind kind,
                                                           platform::ControlEvents& events) override;

    const platform::WindowState& state() const { return state_; }
    // How many times the core pushed a state.
    int updates() const { return updates_; }
    // A copy of the menu bar last installed, or null.
    const platform::MenuSpec* menuBar() const { return menuBar_ ? &*menuBar_ : nullptr; }
    // The window's native controls, in creation order.
    const std::vector<HeadlessControl*>& controls() const { return controls_; }
    platform::WindowEvents& events() const { return events_; }

    // Called by a control of this window as it goes.
    void forget(const HeadlessControl& control);

private:
    std::shared_ptr<HeadlessWorld> world_;
    platform::WindowEvents& events_;
    platform::WindowState state_;
    int updates_ = 0;
    std::optional<platform::MenuSpec> menuBar_;
    std::vector<HeadlessControl*> controls_;
};

} // namespace fw::headless
