#pragma once

#include "runtime/ClassRecord.h"
#include "runtime/MethodAdapter.h"
#include "runtime/VariantValue.h"

#include <string>
#include <type_traits>

namespace fw {

// Builds a class record's by-name property from a getter and, optionally, a setter member.
template <class C, class R> std::function<Variant(const Object&)> getter(R (C::*get)() const) {
    return [get](const Object& self) -> Variant {
        return detail::toVariant((dynamic_cast<const C&>(self).*get)());
    };
}

template <class C, class A>
std::function<void(Object&, const Variant&)> setter(void (C::*set)(A), std::string name) {
    return [set, name](Object& self, const Variant& value) {
        (dynamic_cast<C&>(self).*set)(VariantAs<std::decay_t<A>>(value, name));
    };
}

template <class C, class R>
PropertyInfo DescribeReadOnly(std::string name, std::string type, R (C::*get)() const) {
    return {std::move(name), std::move(type), getter(get), {}, {}};
}

template <class C, class R, class D, class A>
PropertyInfo DescribeProperty(std::string name, std::string type, R (C::*get)() const, void (D::*set)(A)) {
    auto setFn = setter(set, name);
    return {std::move(name), std::move(type), getter(get), std::move(setFn), {}};
}

} // namespace fw
