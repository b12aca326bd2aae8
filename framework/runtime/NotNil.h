#pragma once

#include "runtime/NilObjectException.h"

#include <memory>

namespace fw {

// Every use of an object is preceded by a nil test that raises NilObjectException.
template <class T>
const std::shared_ptr<T>& NotNil(const std::shared_ptr<T>& object) {
    if (!object)
        throw NilObjectException("nil object");
    return object;
}

} // namespace fw
