#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace fw {

class Object;

// A value passed by name: a stored property, a method argument or result.
using Variant = std::variant<std::monostate, bool, std::int64_t, double, std::string, std::shared_ptr<Object>>;

} // namespace fw
