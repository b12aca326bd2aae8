#include "ui/StoredProperties.h"

#include "runtime/ClassRecord.h"
#include "runtime/KeyNotFoundException.h"
#include "runtime/Object.h"

namespace fw {

void SetProperties_(Object& object, const StoredProperties& properties) {
    for (const auto& [name, value] : properties) {
        if (!object.setStoredProperty(name, value))
            throw KeyNotFoundException(object.classRecord().name() + " has no stored property " + name);
    }
    object.storedPropertiesApplied();
}

} // namespace fw
