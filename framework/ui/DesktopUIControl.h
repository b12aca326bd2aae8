#pragma once

#include "platform/NativeControl.h"
#include "runtime/Object.h"
#include "ui/EventSource.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class DesktopWindow;

// A visible control on a window. The control keeps its whole state and pushes it to its native
// widget, made when the control is registered with a window.
class DesktopUIControl : public Object, public EventSource, protected platform::ControlEvents {
public:
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    void Constructor() {}

    const std::string& Name() const { return state_.name; }
    bool Enabled() const { return state_.enabled; }
    void Enabled(bool enabled);
    bool Visible() const { return state_.visible; }
    void Visible(bool visible);
    int Left() const { return state_.frame.left; }
    int Top() const { return state_.frame.top; }
    int Width() const { return state_.frame.width; }
    int Height() const { return state_.frame.height; }
    int TabIndex() const { return state_.tabIndex; }
    bool TabStop() const { return state_.tabStop; }
    const platform::Font& Font() const { return state_.font; }
    const platform::ControlState& state() const { return state_; }

    // A stored property without an effect of its own here (LockLeft, AllowAutoDeactivate...),
    // kept so it can be read back; monostate when never stored.
    Variant DesignProperty(const std::string& name) const;

    std::shared_ptr<DesktopWindow> Window() const { return window_.lock(); }

    // Called by the window that registers the control.
    void attach(const std::shared_ptr<DesktopWindow>& window, const std::string& name);
    // Called by the window when it closes: the native widget goes, the control's state stays.
    void detach();
    bool bindEvent(const std::string& event, Handler handler) override;

    bool setStoredProperty(const std::string& name, const Variant& value) override;
    void storedPropertiesApplied() override { push(); }

    platform::NativeControl* native() const { return native_.get(); }

protected:
    virtual platform::ControlKind kind() const = 0;
    // Stored property names this class accepts and only keeps.
    virtual bool isDesignProperty(const std::string& name) const;
    // Names of the events this class raises.
    virtual bool hasEvent(const std::string& event) const = 0;
    // Raises a bound event with the user's input; an exception is reported, not passed on.
    Variant raise(const std::string& event, const std::vector<Variant>& arguments = {});
    void push();

    platform::ControlState state_;

private:
    std::weak_ptr<DesktopWindow> window_;
    std::unique_ptr<platform::NativeControl> native_;
    std::map<std::string, Handler> handlers_;
    std::map<std::string, Variant> designProperties_;
};

} // namespace fw
