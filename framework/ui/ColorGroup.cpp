#include "ui/ColorGroup.h"

#include "runtime/ClassRecord.h"
#include "runtime/MethodAdapter.h"

namespace fw {

const ClassRecord& ColorGroup::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("ColorGroup", &Object::Lookup_(), [](ClassRecord& r) {
            r.create = [] { return std::make_shared<ColorGroup>(); };
            r.properties = {
                {"Value",
                 "Integer",
                 [](const Object& self) -> Variant {
                     const auto& color = dynamic_cast<const ColorGroup&>(self);
                     return static_cast<std::int64_t>((std::uint64_t{color.Alpha()} << 24) |
                                                      (std::uint64_t{color.Red()} << 16) |
                                                      (std::uint64_t{color.Green()} << 8) | color.Blue());
                 },
                 {},
                 {}},
            };
        });
    return record;
}

void ColorGroup::SetFromUInt64(std::uint64_t argb) {
    alpha_ = static_cast<std::uint8_t>(argb >> 24);
    red_ = static_cast<std::uint8_t>(argb >> 16);
    green_ = static_cast<std::uint8_t>(argb >> 8);
    blue_ = static_cast<std::uint8_t>(argb);
}

} // namespace fw
