#include "media/Movie.h"

#include "runtime/ClassRecord.h"

namespace fw {

const ClassRecord& Movie::Lookup_() {
    static const ClassRecord& record = ClassRegistry::the().define("Movie", &Object::Lookup_(), {});
    return record;
}

} // namespace fw
