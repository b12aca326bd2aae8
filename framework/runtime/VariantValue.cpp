#include "runtime/VariantValue.h"

#include "runtime/InvalidArgumentException.h"

#include <cmath>

namespace fw {

namespace {
[[noreturn]] void wrongKind(std::string_view what, const char* kind) {
    throw InvalidArgumentException(std::string(what) + " takes " + kind);
}
} // namespace

bool VariantToBoolean(const Variant& value, std::string_view what) {
    if (const bool* b = std::get_if<bool>(&value))
        return *b;
    if (const std::int64_t* i = std::get_if<std::int64_t>(&value))
        return *i != 0;
    wrongKind(what, "a Boolean");
}

std::int64_t VariantToInteger(const Variant& value, std::string_view what) {
    if (const std::int64_t* i = std::get_if<std::int64_t>(&value))
        return *i;
    if (const double* d = std::get_if<double>(&value)) {
        if (std::isfinite(*d))
            return static_cast<std::int64_t>(std::llround(*d));
    }
    wrongKind(what, "an Integer");
}

double VariantToDouble(const Variant& value, std::string_view what) {
    if (const double* d = std::get_if<double>(&value))
        return *d;
    if (const std::int64_t* i = std::get_if<std::int64_t>(&value))
        return static_cast<double>(*i);
    wrongKind(what, "a Double");
}

std::string VariantToString(const Variant& value, std::string_view what) {
    if (const std::string* s = std::get_if<std::string>(&value))
        return *s;
    wrongKind(what, "a String");
}

std::shared_ptr<Object> VariantToObject(const Variant& value, std::string_view what) {
    if (std::holds_alternative<std::monostate>(value))
        return nullptr;
    if (const auto* object = std::get_if<std::shared_ptr<Object>>(&value))
        return *object;
    wrongKind(what, "an object");
}

} // namespace fw
