#include "ui/DesktopCanvas.h"

#include "media/Picture.h"
#include "runtime/ClassRecord.h"
#include "runtime/MainThread.h"
#include "runtime/PropertyAdapter.h"

namespace fw {

const ClassRecord& DesktopCanvas::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("DesktopCanvas", &DesktopUIControl::Lookup_(), [](ClassRecord& r) {
            r.create = [] { return std::make_shared<DesktopCanvas>(); };
            r.methods = {{"Constructor", "()", method(&DesktopCanvas::Constructor), {}}};
            r.properties = {
                DescribeProperty("Backdrop", "Picture", &DesktopCanvas::Backdrop, &DesktopCanvas::Backdrop),
            };
        });
    return record;
}

void DesktopCanvas::Backdrop(std::shared_ptr<Picture> picture) {
    RequireMainThread();
    backdrop_ = std::move(picture);
    state_.picture = backdrop_ ? backdrop_->native() : nullptr;
    push();
}

bool DesktopCanvas::setStoredProperty(const std::string& name, const Variant& value) {
    return DesktopUIControl::setStoredProperty(name, value);
}

bool DesktopCanvas::isDesignProperty(const std::string& name) const {
    return name == "AllowFocus" || name == "AllowTabs" || name == "AllowFocusRing" ||
           name == "DoubleBuffer" || DesktopUIControl::isDesignProperty(name);
}

bool DesktopCanvas::hasEvent(const std::string& event) const {
    return event == "MouseDown";
}

void DesktopCanvas::mouseDown(int x, int y) {
    if (!Enabled() || !Visible())
        return;
    raise("MouseDown", {std::int64_t{x}, std::int64_t{y}});
}

} // namespace fw
