#include "runtime/ClassRecord.h"

#include <utility>

namespace fw {

ClassRecord::ClassRecord(std::string name, const ClassRecord* base) : name_(std::move(name)), base_(base) {}

const MethodInfo* ClassRecord::findMethod(std::string_view name) const {
    for (const ClassRecord* record = this; record; record = record->base_) {
        for (const MethodInfo& method : record->methods) {
            if (method.name == name)
                return &method;
        }
    }
    return nullptr;
}

const PropertyInfo* ClassRecord::findProperty(std::string_view name) const {
    for (const ClassRecord* record = this; record; record = record->base_) {
        for (const PropertyInfo& property : record->properties) {
            if (property.name == name)
                return &property;
        }
    }
    return nullptr;
}

bool ClassRecord::isKindOf(const ClassRecord& other) const {
    for (const ClassRecord* record = this; record; record = record->base_) {
        if (record == &other)
            return true;
    }
    return false;
}

bool ClassRecord::handlesEvent(std::string_view event) const {
    return events.find(std::string(event)) != events.end();
}

ClassRegistry& ClassRegistry::the() {
    static ClassRegistry registry;
    return registry;
}

const ClassRecord& ClassRegistry::define(const std::string& name, const ClassRecord* base,
                                         const std::function<void(ClassRecord&)>& build) {
    if (auto found = records_.find(name); found != records_.end())
        return *found->second;
    // Built completely before it is entered, so a failed build leaves no half-made record behind.
    auto record = std::make_unique<ClassRecord>(name, base);
    if (build)
        build(*record);
    return *records_.emplace(name, std::move(record)).first->second;
}

const ClassRecord* ClassRegistry::find(std::string_view name) const {
    auto found = records_.find(name);
    return found == records_.end() ? nullptr : found->second.get();
}

} // namespace fw
