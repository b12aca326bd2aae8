#pragma once

#include "ui/DesktopUIControl.h"

#include <memory>

namespace fw {

class ColorGroup;

// A text label; CR characters in its text break lines. Event "MouseDown" (x, y) -> Boolean.
class DesktopLabel : public DesktopUIControl {
public:
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    const std::string& Text() const { return state_.text; }
    void Text(std::string text);
    std::shared_ptr<ColorGroup> TextColor() const { return textColor_; }
    void TextColor(std::shared_ptr<ColorGroup> color);
    platform::Alignment TextAlignment() const { return state_.alignment; }
    bool Multiline() const { return state_.multiline; }

    bool setStoredProperty(const std::string& name, const Variant& value) override;

protected:
    platform::ControlKind kind() const override { return platform::ControlKind::Label; }
    bool isDesignProperty(const std::string& name) const override;
    bool hasEvent(const std::string& event) const override;
    void mouseDown(int x, int y) override;

private:
    std::shared_ptr<ColorGroup> textColor_;
};

} // namespace fw
