#pragma once

#include "runtime/Object.h"

#include <cstdint>

namespace fw {

// A colour. Built from 0xAARRGGBB, where alpha 0 means opaque.
class ColorGroup : public Object {
public:
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    void SetFromUInt64(std::uint64_t argb);
    std::uint8_t Red() const { return red_; }
    std::uint8_t Green() const { return green_; }
    std::uint8_t Blue() const { return blue_; }
    // 0 is opaque, 255 fully transparent.
    std::uint8_t Alpha() const { return alpha_; }

private:
    std::uint8_t red_ = 0;
    std::uint8_t green_ = 0;
    std::uint8_t blue_ = 0;
    std::uint8_t alpha_ = 0;
};

} // namespace fw
