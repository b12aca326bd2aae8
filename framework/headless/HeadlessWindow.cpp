#include "headless/HeadlessWindow.h"

#include "headless/HeadlessControl.h"

#include <algorithm>
#include <utility>

namespace fw::headless {

HeadlessWindow::HeadlessWindow(std::shared_ptr<HeadlessWorld> world, platform::WindowEvents& events)
    : world_(std::move(world)), events_(events) {
    world_->windows.push_back(this);
}

HeadlessWindow::~HeadlessWindow() {
    for (HeadlessControl* control : controls_)
        control->ownerGone();
    std::erase(world_->windows, this);
}

void HeadlessWindow::update(const platform::WindowState& state) {
    state_ = state;
    ++updates_;
}

void HeadlessWindow::setMenuBar(const platform::MenuSpec* menuBar) {
    menuBar_.reset();
    if (menuBar)
        menuBar_ = *menuBar;
}

std::unique_ptr<platform::NativeControl> HeadlessWindow::createControl(platform::ControlKind kind,
                                                                       platform::ControlEvents& events) {
    auto control = std::make_unique<HeadlessControl>(world_, *this, kind, events);
    controls_.push_back(control.get());
    return control;
}

void HeadlessWindow::forget(const HeadlessControl& control) {
    std::erase(controls_, &control);
}

} // namespace fw::headless
