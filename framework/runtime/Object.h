#pragma once

#include "runtime/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

class ClassRecord;

// The root of every reference-counted framework and program object. Objects are always held by
// std::shared_ptr; an empty pointer is nil.
class Object : public std::enable_shared_from_this<Object> {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    static const ClassRecord& Lookup_();
    // The record of the object's dynamic class.
    virtual const ClassRecord& classRecord() const;

    // Reads or writes a property of the class record by name; throws KeyNotFoundException.
    Variant property(const std::string& name) const;
    void setProperty(const std::string& name, const Variant& value);
    // Calls a method of the class record by name; throws KeyNotFoundException.
    Variant invoke(const std::string& name, const std::vector<Variant>& arguments = {});

    // Design-time properties applied in one step by SetProperties_. A class answers false for a
    // name it does not know, which the caller reports.
    virtual bool setStoredProperty(const std::string& name, const Variant& value);
    // Called once after a whole set of stored properties is in place.
    virtual void storedPropertiesApplied() {}
};

using ObjectRef = std::shared_ptr<Object>;

} // namespace fw
