#pragma once

#include "platform/NativeWindow.h"
#include "runtime/Object.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

// A menu, menu item or separator ("-"); a menu is an item with children.
class DesktopMenuItem : public Object {
public:
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    void Constructor() {}

    const std::string& Name() const { return name_; }
    void Name(std::string name);
    const std::string& Text() const { return text_; }
    void Text(std::string text);
    // "Cmd+" and a capital letter, shown and matched as Ctrl+ on this desktop; or empty.
    const std::string& Shortcut() const { return shortcut_; }
    void Shortcut(std::string shortcut);
    bool AutoEnabled() const { return autoEnabled_; }
    void AutoEnabled(bool on);
    bool Visible() const { return visible_; }
    void Visible(bool on);
    bool Enabled() const { return enabled_; }
    void Enabled(bool on);

    // Appends `item` as the last child. Refuses nil, this item itself, or an item already in
    // this tree, with InvalidArgumentException (nil with NilObjectException).
    void AddMenu(const std::shared_ptr<DesktopMenuItem>& item);
    int Count() const;
    std::shared_ptr<DesktopMenuItem> MenuAt(int index) const;
    // The direct child with that Name, or nil.
    std::shared_ptr<DesktopMenuItem> Child(const std::string& name) const;
    // The item with that Name anywhere below this one, or nil.
    std::shared_ptr<DesktopMenuItem> Lookup_(const std::string& name) const;

    // The tree as the platform shows it.
    platform::MenuSpec spec() const;

private:
    bool contains(const DesktopMenuItem& item) const;

    std::string name_;
    std::string text_;
    std::string shortcut_;
    bool autoEnabled_ = true;
    bool visible_ = true;
    bool enabled_ = true;
    std::vector<std::shared_ptr<DesktopMenuItem>> children_;
};

} // namespace fw
