#pragma once

#include "runtime/Cast.h"
#include "runtime/ClassRecord.h"
#include "runtime/InvalidArgumentException.h"
#include "runtime/Object.h"

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace fw {

namespace detail {

template <class T>
struct VariantArgument;

template <>
struct VariantArgument<bool> {
    static bool from(const Variant& v) { return std::get<bool>(v); }
};
template <>
struct VariantArgument<std::int64_t> {
    static std::int64_t from(const Variant& v) { return std::get<std::int64_t>(v); }
};
template <>
struct VariantArgument<int> {
    static int from(const Variant& v) { return static_cast<int>(std::get<std::int64_t>(v)); }
};
template <>
struct VariantArgument<double> {
    static double from(const Variant& v) { return std::get<double>(v); }
};
template <>
struct VariantArgument<std::string> {
    static std::string from(const Variant& v) { return std::get<std::string>(v); }
};
template <class T>
struct VariantArgument<std::shared_ptr<T>> {
    static std::shared_ptr<T> from(const Variant& v) {
        if (std::holds_alternative<std::monostate>(v))
            return nullptr;
        return RuntimeCheckCast<T>(std::get<std::shared_ptr<Object>>(v));
    }
};

template <class T>
Variant toVariant(T&& value) {
    using U = std::decay_t<T>;
    if constexpr (std::is_same_v<U, int>)
        return static_cast<std::int64_t>(value);
    else if constexpr (std::is_convertible_v<U, std::shared_ptr<Object>> && !std::is_same_v<U, bool>)
        return std::shared_ptr<Object>(std::forward<T>(value));
    else
        return Variant(std::forward<T>(value));
}

template <class R, class Call, class... A, std::size_t... I>
Variant callWith(Call&& call, const std::vector<Variant>& args, std::index_sequence<I...>) {
    if constexpr (std::is_void_v<R>) {
        call(VariantArgument<std::decay_t<A>>::from(args[I])...);
        return {};
    } else {
        return toVariant(call(VariantArgument<std::decay_t<A>>::from(args[I])...));
    }
}

template <class C, class R, class... A, class Fn>
MethodInfo::Call adapt(Fn fn) {
    return [fn](Object& self, const std::vector<Variant>& args) -> Variant {
        if (args.size() != sizeof...(A))
            throw InvalidArgumentException("wrong number of arguments");
        auto& object = dynamic_cast<C&>(self);
        auto call = [&](auto&&... values) -> decltype(auto) {
            return (object.*fn)(std::forward<decltype(values)>(values)...);
        };
        return callWith<R, decltype(call)&, A...>(call, args, std::index_sequence_for<A...>{});
    };
}

} // namespace detail

// Wraps a member function so that the runtime can call it by name with Variant arguments.
template <class C, class R, class... A>
MethodInfo::Call method(R (C::*fn)(A...)) {
    return detail::adapt<C, R, A...>(fn);
}
template <class C, class R, class... A>
MethodInfo::Call method(R (C::*fn)(A...) const) {
    return detail::adapt<C, R, A...>(fn);
}

} // namespace fw
