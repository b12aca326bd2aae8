#include "app/App.h"

#include "runtime/ClassRecord.h"
#include "runtime/MethodAdapter.h"
#include "runtime/Runtime.h"

#include <memory>

const fw::ClassRecord& App::Lookup_() {
    return fw::ClassRegistry::the().define(
        "App", &fw::DesktopApplication::Lookup_(), [](fw::ClassRecord& record) {
            record.create = [] { return std::make_shared<App>(); };
            record.methods = {
                {"Constructor", "()", fw::method(&App::Constructor), {}},
                {"IsEventImplemented", "(String) As Boolean", fw::method(&App::IsEventImplemented), {}},
            };
        });
}

bool App::IsEventImplemented(const std::string& event) const {
    return fw::RuntimeIsEventHandled_(*this, "App", event, true);
}
