#include "ui/DesktopMenuBar.h"

#include "runtime/ClassRecord.h"

namespace fw {

const ClassRecord& DesktopMenuBar::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("DesktopMenuBar", &DesktopMenuItem::Lookup_(), [](ClassRecord& r) {
            r.create = [] { return std::make_shared<DesktopMenuBar>(); };
        });
    return record;
}

} // namespace fw
