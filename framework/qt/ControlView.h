#pragma once

#include "platform/NativeControl.h"

#include <Qt>
#include <functional>

class QWidget;

namespace fw::qt {

// What the widget of each kind of control does beyond what all controls share (place, enabled,
// visible, accessible name, tab order, which QtControl applies).
class ControlView {
public:
    virtual ~ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    virtual QWidget* widget() = 0;
    virtual void apply(const platform::ControlState& state) = 0;
    virtual Qt::FocusPolicy focusPolicy() const { return Qt::NoFocus; }
    virtual void play() {}

    // The control is gone from the core; the widget may outlive it briefly but reports nothing.
    void detach() { events_ = nullptr; }

protected:
    explicit ControlView(platform::ControlEvents& events) : events_(&events) {}
    // Hands `event` to the core, unless the control is gone.
    void report(const char* where, const std::function<void(platform::ControlEvents&)>& event);
    bool attached() const { return events_ != nullptr; }

private:
    platform::ControlEvents* events_;
};

} // namespace fw::qt
