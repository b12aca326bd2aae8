#include "ui/DesktopMenuItem.h"

#include "runtime/ClassRecord.h"
#include "runtime/InvalidArgumentException.h"
#include "runtime/MainThread.h"
#include "runtime/MethodAdapter.h"
#include "runtime/NotNil.h"
#include "runtime/PropertyAdapter.h"

namespace fw {

const ClassRecord& DesktopMenuItem::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("DesktopMenuItem", &Object::Lookup_(), [](ClassRecord& r) {
            r.create = [] { return std::make_shared<DesktopMenuItem>(); };
            r.methods = {
                {"AddMenu", "(DesktopMenuItem)", method(&DesktopMenuItem::AddMenu), {}},
                {"Child", "(String) As DesktopMenuItem", method(&DesktopMenuItem::Child), {}},
                {"Constructor", "()", method(&DesktopMenuItem::Constructor), {}},
                {"Count", "() As Integer", method(&DesktopMenuItem::Count), {}},
                {"MenuAt", "(Integer) As DesktopMenuItem", method(&DesktopMenuItem::MenuAt), {}},
                {"_Lookup",
                 "(String) As DesktopMenuItem",
                 method(static_cast<std::shared_ptr<DesktopMenuItem> (DesktopMenuItem::*)(const std::string&)
                                        const>(&DesktopMenuItem::Lookup_)),
                 {}},
            };
            r.properties = {
                DescribeProperty("Name", "String", &DesktopMenuItem::Name, &DesktopMenuItem::Name),
                DescribeProperty("Text", "String", &DesktopMenuItem::Text, &DesktopMenuItem::Text),
                DescribeProperty("Shortcut", "String", &DesktopMenuItem::Shortcut,
                                 &DesktopMenuItem::Shortcut),
                DescribeProperty("AutoEnabled", "Boolean", &DesktopMenuItem::AutoEnabled,
                                 &DesktopMenuItem::AutoEnabled),
                DescribeProperty("Visible", "Boolean", &DesktopMenuItem::Visible, &DesktopMenuItem::Visible),
                DescribeProperty("Enabled", "Boolean", &DesktopMenuItem::Enabled, &DesktopMenuItem::Enabled),
            };
        });
    return record;
}

void DesktopMenuItem::Name(std::string name) {
    RequireMainThread();
    name_ = std::move(name);
}

void DesktopMenuItem::Text(std::string text) {
    RequireMainThread();
    text_ = std::move(text);
}

void DesktopMenuItem::Shortcut(std::string shortcut) {
    RequireMainThread();
    shortcut_ = std::move(shortcut);
}

void DesktopMenuItem::AutoEnabled(bool on) {
    RequireMainThread();
    autoEnabled_ = on;
}

void DesktopMenuItem::Visible(bool on) {
    RequireMainThread();
    visible_ = on;
}

void DesktopMenuItem::Enabled(bool on) {
    RequireMainThread();
    enabled_ = on;
}

void DesktopMenuItem::AddMenu(const std::shared_ptr<DesktopMenuItem>& item) {
    RequireMainThread();
    NotNil(item);
    if (item.get() == this)
        throw InvalidArgumentException("a menu cannot be added to itself");
    if (contains(*item))
        throw InvalidArgumentException("menu item " + item->Name() + " is already in this menu");
    // Neither may an item that holds this menu: the tree would become a loop.
    if (item->contains(*this))
        throw InvalidArgumentException("menu item " + item->Name() + " holds this menu");
    children_.push_back(item);
}

int DesktopMenuItem::Count() const {
    return static_cast<int>(children_.size());
}

std::shared_ptr<DesktopMenuItem> DesktopMenuItem::MenuAt(int index) const {
    if (index < 0 || index >= Count())
        throw InvalidArgumentException("no menu item at index " + std::to_string(index));
    return children_[static_cast<std::size_t>(index)];
}

std::shared_ptr<DesktopMenuItem> DesktopMenuItem::Child(const std::string& name) const {
    for (const auto& child : children_) {
        if (child->Name() == name)
            return child;
    }
    return nullptr;
}

std::shared_ptr<DesktopMenuItem> DesktopMenuItem::Lookup_(const std::string& name) const {
    for (const auto& child : children_) {
        if (child->Name() == name)
            return child;
        if (auto below = child->Lookup_(name))
            return below;
    }
    return nullptr;
}

platform::MenuSpec DesktopMenuItem::spec() const {
    platform::MenuSpec spec{name_, text_, shortcut_, visible_, {}};
    spec.children.reserve(children_.size());
    for (const auto& child : children_)
        spec.children.push_back(child->spec());
    return spec;
}

bool DesktopMenuItem::contains(const DesktopMenuItem& item) const {
    if (&item == this)
        return true;
    for (const auto& child : children_) {
        if (child->contains(item))
            return true;
    }
    return false;
}

} // namespace fw
