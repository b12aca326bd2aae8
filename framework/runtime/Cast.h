#pragma once

#include "runtime/ClassRecord.h"
#include "runtime/IllegalCastException.h"
#include "runtime/Object.h"

#include <memory>

namespace fw {

// The runtime's class-verifying cast: nil stays nil; an object of another class raises
// IllegalCastException.
template <class T>
std::shared_ptr<T> RuntimeCheckCast(const std::shared_ptr<Object>& object) {
    if (!object)
        return nullptr;
    auto cast = std::dynamic_pointer_cast<T>(object);
    if (!cast)
        throw IllegalCastException(object->classRecord().name() + " is not a " + T::Lookup_().name());
    return cast;
}

} // namespace fw
