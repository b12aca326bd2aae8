#include "windows/StoredControlProperties.h"

#include <cstdint>

namespace {
// The control is not one of an indexed set.
constexpr std::int64_t kNotIndexed = -2147483648LL;
} // namespace

fw::StoredProperties VisibleControlProperties(const std::string& name, const Placement& place,
                                              bool transparent) {
    return {
        {"Name", name},
        {"Index", kNotIndexed},
        {"Left", std::int64_t{place.left}},
        {"Top", std::int64_t{place.top}},
        {"Width", std::int64_t{place.width}},
        {"Height", std::int64_t{place.height}},
        {"LockLeft", true},
        {"LockTop", true},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabIndex", std::int64_t{place.tabIndex}},
        {"TabPanelIndex", std::int64_t{0}},
        {"TabStop", true},
        {"AllowAutoDeactivate", true},
        {"Enabled", true},
        {"Visible", true},
        {"Tooltip", std::string()},
        {"InitialParent", std::string()},
        {"Transparent", transparent},
    };
}

fw::StoredProperties operator+(fw::StoredProperties properties, const fw::StoredProperties& more) {
    properties.insert(properties.end(), more.begin(), more.end());
    return properties;
}
