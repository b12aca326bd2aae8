#pragma once

#include "ui/DesktopUIControl.h"

namespace fw {

// A push button; event "Pressed".
class DesktopButton : public DesktopUIControl {
public:
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    const std::string& Caption() const { return state_.text; }
    void Caption(std::string caption);

    bool setStoredProperty(const std::string& name, const Variant& value) override;

protected:
    platform::ControlKind kind() const override { return platform::ControlKind::Button; }
    bool isDesignProperty(const std::string& name) const override;
    bool hasEvent(const std::string& event) const override;
    void pressed() override;
};

} // namespace fw
