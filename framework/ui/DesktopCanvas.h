#pragma once

#include "ui/DesktopUIControl.h"

#include <memory>

namespace fw {

class Picture;

// A drawing surface showing its Backdrop picture. Event "MouseDown" (x, y) -> Boolean.
class DesktopCanvas : public DesktopUIControl {
public:
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    std::shared_ptr<Picture> Backdrop() const { return backdrop_; }
    // Nil clears the backdrop.
    void Backdrop(std::shared_ptr<Picture> picture);

    bool setStoredProperty(const std::string& name, const Variant& value) override;

protected:
    platform::ControlKind kind() const override { return platform::ControlKind::Canvas; }
    bool isDesignProperty(const std::string& name) const override;
    bool hasEvent(const std::string& event) const override;
    void mouseDown(int x, int y) override;

private:
    std::shared_ptr<Picture> backdrop_;
};

} // namespace fw
