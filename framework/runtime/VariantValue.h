#pragma once

#include "runtime/Cast.h"
#include "runtime/Variant.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace fw {

// Reads a stored or by-name value as the type a property needs. Numbers convert between integer
// and floating point (design-time files store sizes either way); anything else of the wrong kind
// raises InvalidArgumentException naming `what`.
bool VariantToBoolean(const Variant& value, std::string_view what);
std::int64_t VariantToInteger(const Variant& value, std::string_view what);
double VariantToDouble(const Variant& value, std::string_view what);
std::string VariantToString(const Variant& value, std::string_view what);
// Nil (monostate or an empty object) stays nil.
std::shared_ptr<Object> VariantToObject(const Variant& value, std::string_view what);

template <class T> T VariantAs(const Variant& value, std::string_view what) {
    if constexpr (std::is_same_v<T, bool>)
        return VariantToBoolean(value, what);
    else if constexpr (std::is_integral_v<T>)
        return static_cast<T>(VariantToInteger(value, what));
    else if constexpr (std::is_floating_point_v<T>)
        return static_cast<T>(VariantToDouble(value, what));
    else if constexpr (std::is_same_v<T, std::string>)
        return VariantToString(value, what);
    else
        return RuntimeCheckCast<typename T::element_type>(VariantToObject(value, what));
}

} // namespace fw
