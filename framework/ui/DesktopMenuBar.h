#pragma once

#include "ui/DesktopMenuItem.h"

namespace fw {

// A menu bar: a menu item whose children are the top menus.
class DesktopMenuBar : public DesktopMenuItem {
public:
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }
    using DesktopMenuItem::Lookup_;
};

} // namespace fw
