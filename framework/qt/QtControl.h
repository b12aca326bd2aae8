#pragma once

#include "platform/NativeControl.h"

#include <QPointer>
#include <QWidget>
#include <memory>

namespace fw::qt {

class ControlView;
class TabChain;

// A control on a window's content area. The widget belongs to the window; this object only
// shows the core's state on it, and takes it away when the core drops the control.
class QtControl final : public platform::NativeControl {
public:
    QtControl(ControlView& view, std::weak_ptr<TabChain> tabChain);
    ~QtControl() override;
    QtControl(const QtControl&) = delete;
    QtControl& operator=(const QtControl&) = delete;

    void update(const platform::ControlState& state) override;
    void play() override;

    // Null once the window is gone.
    QWidget* widget() const { return widget_; }

private:
    ControlView* view() const;

    QPointer<QWidget> widget_;
    ControlView* view_; // the same object as widget_, valid while widget_ is
    std::weak_ptr<TabChain> tabChain_;
};

} // namespace fw::qt
