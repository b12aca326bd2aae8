#include "runtime/WeakRef.h"

#include "runtime/ClassRecord.h"
#include "runtime/MethodAdapter.h"

namespace fw {

const ClassRecord& WeakRef::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("WeakRef", &Object::Lookup_(), [](ClassRecord& r) {
            r.methods = {{"Value", "() As Object", method(&WeakRef::Value), {}}};
        });
    return record;
}

} // namespace fw
