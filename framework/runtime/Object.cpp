#include "runtime/Object.h"

#include "runtime/ClassRecord.h"
#include "runtime/InvalidArgumentException.h"
#include "runtime/KeyNotFoundException.h"

namespace fw {

const ClassRecord& Object::Lookup_() {
    static const ClassRecord& record = ClassRegistry::the().define("Object", nullptr, {});
    return record;
}

const ClassRecord& Object::classRecord() const {
    return Lookup_();
}

Variant Object::property(const std::string& name) const {
    const PropertyInfo* info = classRecord().findProperty(name);
    if (!info)
        throw KeyNotFoundException(classRecord().name() + " has no property " + name);
    if (!info->get)
        throw InvalidArgumentException(classRecord().name() + "." + name + " cannot be read");
    return info->get(*this);
}

void Object::setProperty(const std::string& name, const Variant& value) {
    const PropertyInfo* info = classRecord().findProperty(name);
    if (!info)
        throw KeyNotFoundException(classRecord().name() + " has no property " + name);
    if (!info->set)
        throw InvalidArgumentException(classRecord().name() + "." + name + " is read-only");
    info->set(*this, value);
}

Variant Object::invoke(const std::string& name, const std::vector<Variant>& arguments) {
    const MethodInfo* info = classRecord().findMethod(name);
    if (!info || !info->call)
        throw KeyNotFoundException(classRecord().name() + " has no method " + name);
    return info->call(*this, arguments);
}

bool Object::setStoredProperty(const std::string&, const Variant&) {
    return false;
}

} // namespace fw
