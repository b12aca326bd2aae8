#pragma once

#include "runtime/Variant.h"

#include <string>
#include <utility>
#include <vector>

namespace fw {

class Object;

// Design-time property values, in the order they are applied.
using StoredProperties = std::vector<std::pair<std::string, Variant>>;

// Applies `properties` to `object` in one step; a name the object's class does not know raises
// KeyNotFoundException before anything is shown.
void SetProperties_(Object& object, const StoredProperties& properties);

} // namespace fw
