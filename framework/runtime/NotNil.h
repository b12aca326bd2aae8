#pragma once

#include "runtime/NilObjectException.h"

#include <memory>
#include <string>

namespace fw {

// Every use of an object is preceded by a nil test that raises NilObjectException; `what` says
// which object was missing.
template <class T>
const std::shared_ptr<T>& NotNil(const std::shared_ptr<T>& object, const std::string& what = "nil object") {
    if (!object)
        throw NilObjectException(what);
    return object;
}

} // namespace fw
