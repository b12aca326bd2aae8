#include "ui/DesktopLabel.h"

#include "runtime/ClassRecord.h"
#include "runtime/InvalidArgumentException.h"
#include "runtime/MainThread.h"
#include "runtime/PropertyAdapter.h"
#include "runtime/VariantValue.h"
#include "ui/ColorGroup.h"
#include "ui/ControlProperties.h"

namespace fw {

const ClassRecord& DesktopLabel::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("DesktopLabel", &DesktopUIControl::Lookup_(), [](ClassRecord& r) {
            r.create = [] { return std::make_shared<DesktopLabel>(); };
            r.methods = {{"Constructor", "()", method(&DesktopLabel::Constructor), {}}};
            r.properties = {
                DescribeProperty("Text", "String", &DesktopLabel::Text, &DesktopLabel::Text),
                DescribeProperty("TextColor", "ColorGroup", &DesktopLabel::TextColor,
                                 &DesktopLabel::TextColor),
                DescribeReadOnly("Multiline", "Boolean", &DesktopLabel::Multiline),
            };
        });
    return record;
}

void DesktopLabel::Text(std::string text) {
    RequireMainThread();
    state_.text = std::move(text);
    push();
}

void DesktopLabel::TextColor(std::shared_ptr<ColorGroup> color) {
    RequireMainThread();
    textColor_ = std::move(color);
    state_.hasTextColor = textColor_ != nullptr;
    if (textColor_)
        state_.textColor = {textColor_->Red(), textColor_->Green(), textColor_->Blue(), textColor_->Alpha()};
    push();
}

bool DesktopLabel::setStoredProperty(const std::string& name, const Variant& value) {
    RequireMainThread();
    if (name == "Text") {
        state_.text = VariantToString(value, name);
    } else if (name == "TextAlignment") {
        auto alignment = VariantToInteger(value, name);
        if (alignment < 0 || alignment > 3)
            throw InvalidArgumentException("TextAlignment takes 0 to 3");
        state_.alignment = static_cast<platform::Alignment>(alignment);
    } else if (name == "Multiline") {
        state_.multiline = VariantToBoolean(value, name);
    } else {
        return SetFontProperty(state_.font, name, value) || DesktopUIControl::setStoredProperty(name, value);
    }
    return true;
}

bool DesktopLabel::isDesignProperty(const std::string& name) const {
    return name == "Selectable" || name == "FontUnit" || DesktopUIControl::isDesignProperty(name);
}

bool DesktopLabel::hasEvent(const std::string& event) const {
    return event == "MouseDown";
}

void DesktopLabel::mouseDown(int x, int y) {
    if (!Enabled() || !Visible())
        return;
    raise("MouseDown", {std::int64_t{x}, std::int64_t{y}});
}

} // namespace fw
