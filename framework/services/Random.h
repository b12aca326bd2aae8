#pragma once

#include "runtime/Object.h"

#include <cstdint>
#include <memory>
#include <random>

namespace fw {

// A source of random numbers, seeded from the system unless given a seed.
class Random : public Object {
public:
    Random();
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    // An integer from `low` to `high`, both included.
    std::int64_t InRange(std::int64_t low, std::int64_t high);
    void Seed(std::uint64_t seed);

private:
    std::mt19937_64 engine_;
};

} // namespace fw
