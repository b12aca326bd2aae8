#include "ui/DesktopButton.h"

#include "runtime/ClassRecord.h"
#include "runtime/MainThread.h"
#include "runtime/PropertyAdapter.h"
#include "runtime/VariantValue.h"
#include "ui/ControlProperties.h"

namespace fw {

const ClassRecord& DesktopButton::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("DesktopButton", &DesktopUIControl::Lookup_(), [](ClassRecord& r) {
            r.create = [] { return std::make_shared<DesktopButton>(); };
            r.methods = {{"Constructor", "()", method(&DesktopButton::Constructor), {}}};
            r.properties = {
                DescribeProperty("Caption", "String", &DesktopButton::Caption, &DesktopButton::Caption),
            };
        });
    return record;
}

void DesktopButton::Caption(std::string caption) {
    RequireMainThread();
    state_.text = std::move(caption);
    push();
}

bool DesktopButton::setStoredProperty(const std::string& name, const Variant& value) {
    RequireMainThread();
    if (name == "Caption") {
        state_.text = VariantToString(value, name);
        return true;
    }
    return SetFontProperty(state_.font, name, value) || DesktopUIControl::setStoredProperty(name, value);
}

bool DesktopButton::isDesignProperty(const std::string& name) const {
    return name == "MacButtonStyle" || name == "Default" || name == "Cancel" || name == "FontUnit" ||
           DesktopUIControl::isDesignProperty(name);
}

bool DesktopButton::hasEvent(const std::string& event) const {
    return event == "Pressed";
}

void DesktopButton::pressed() {
    // What the user cannot see or use cannot be pressed, whatever the platform reports.
    if (!Enabled() || !Visible())
        return;
    raise("Pressed");
}

} // namespace fw
