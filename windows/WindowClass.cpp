#include "windows/WindowClass.h"

void DescribeWindowClass(fw::ClassRecord& record, std::vector<fw::MethodInfo> ownMethods,
                         bool handlesClosing) {
    record.methods = std::move(ownMethods);
    for (const char* inherited : {"_GetControl", "_GetControlArray", "__Exit", "__Init"})
        record.methods.push_back({inherited, "()", {}, {}});
    record.events = {
        {"Layout", "Layout"}, {"CreateControls", "CreateControls"}, {"Opening", "Event_Opening"}};
    if (handlesClosing)
        record.events.emplace("Closing", "Event_Closing");
    record.attributes = {{"DefaultEvent", "Opening"}};
}
