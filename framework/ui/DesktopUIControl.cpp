#include "ui/DesktopUIControl.h"

#include "runtime/ClassRecord.h"
#include "runtime/InvalidArgumentException.h"
#include "runtime/MainThread.h"
#include "runtime/NotNil.h"
#include "runtime/PropertyAdapter.h"
#include "runtime/VariantValue.h"
#include "ui/BoundMethod.h"
#include "ui/ControlProperties.h"
#include "ui/DesktopWindow.h"
#include "ui/EventDelivery.h"

namespace fw {

const ClassRecord& DesktopUIControl::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("DesktopUIControl", &Object::Lookup_(), [](ClassRecord& r) {
            r.properties = {
                DescribeReadOnly("Name", "String", &DesktopUIControl::Name),
                DescribeProperty("Enabled", "Boolean", &DesktopUIControl::Enabled,
                                 &DesktopUIControl::Enabled),
                DescribeProperty("Visible", "Boolean", &DesktopUIControl::Visible,
                                 &DesktopUIControl::Visible),
                DescribeReadOnly("Left", "Integer", &DesktopUIControl::Left),
                DescribeReadOnly("Top", "Integer", &DesktopUIControl::Top),
                DescribeReadOnly("Width", "Integer", &DesktopUIControl::Width),
                DescribeReadOnly("Height", "Integer", &DesktopUIControl::Height),
                DescribeReadOnly("TabIndex", "Integer", &DesktopUIControl::TabIndex),
                DescribeReadOnly("TabStop", "Boolean", &DesktopUIControl::TabStop),
                DescribeReadOnly("Window", "DesktopWindow", &DesktopUIControl::Window),
            };
        });
    return record;
}

void DesktopUIControl::Enabled(bool enabled) {
    RequireMainThread();
    state_.enabled = enabled;
    push();
}

void DesktopUIControl::Visible(bool visible) {
    RequireMainThread();
    state_.visible = visible;
    push();
}

Variant DesktopUIControl::DesignProperty(const std::string& name) const {
    auto found = designProperties_.find(name);
    return found == designProperties_.end() ? Variant{} : found->second;
}

void DesktopUIControl::attach(const std::shared_ptr<DesktopWindow>& window, const std::string& name) {
    RequireMainThread();
    NotNil(window);
    if (native_)
        throw InvalidArgumentException(name + " is already on a window");
    auto native = window->native().createControl(kind(), *this);
    window_ = window;
    state_.name = name;
    native_ = std::move(native);
    push();
}

void DesktopUIControl::detach() {
    native_.reset();
}

bool DesktopUIControl::bindEvent(const std::string& event, Handler handler) {
    if (!hasEvent(event))
        return false;
    handlers_[event] = std::move(handler);
    return true;
}

bool DesktopUIControl::setStoredProperty(const std::string& name, const Variant& value) {
    RequireMainThread();
    if (name == "Left")
        state_.frame.left = static_cast<int>(VariantToInteger(value, name));
    else if (name == "Top")
        state_.frame.top = static_cast<int>(VariantToInteger(value, name));
    else if (name == "Width")
        state_.frame.width = static_cast<int>(VariantToInteger(value, name));
    else if (name == "Height")
        state_.frame.height = static_cast<int>(VariantToInteger(value, name));
    else if (name == "TabIndex")
        state_.tabIndex = static_cast<int>(VariantToInteger(value, name));
    else if (name == "TabStop")
        state_.tabStop = VariantToBoolean(value, name);
    else if (name == "Enabled")
        state_.enabled = VariantToBoolean(value, name);
    else if (name == "Visible")
        state_.visible = VariantToBoolean(value, name);
    else if (name == "Name")
        state_.name = VariantToString(value, name);
    else if (isDesignProperty(name))
        designProperties_[name] = value;
    else
        return false;
    return true;
}

bool DesktopUIControl::isDesignProperty(const std::string& name) const {
    return IsCommonDesignProperty(name);
}

Variant DesktopUIControl::raise(const std::string& event, const std::vector<Variant>& arguments) {
    auto found = handlers_.find(event);
    if (found == handlers_.end())
        return {};
    // Copies: the handler may rebind the event or close the window that owns this control.
    Handler handler = found->second;
    auto keepAlive = weak_from_this().lock();
    std::string where;
    if (const auto* bound = handler.target<BoundMethod>()) {
        where = bound->where();
    } else {
        auto window = Window();
        where = (window ? window->classRecord().name() + "." : std::string()) + Name() + "." + event;
    }
    Variant result;
    DeliverEvent_([&] { result = handler(arguments); }, where);
    return result;
}

void DesktopUIControl::push() {
    if (native_)
        native_->update(state_);
}

} // namespace fw
