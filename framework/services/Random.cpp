#include "services/Random.h"

#include "runtime/ClassRecord.h"
#include "runtime/InvalidArgumentException.h"
#include "runtime/MethodAdapter.h"

#include <array>

namespace fw {

Random::Random() {
    std::random_device device;
    std::array<std::uint32_t, 8> entropy;
    for (auto& word : entropy)
        word = device();
    std::seed_seq seed(entropy.begin(), entropy.end());
    engine_.seed(seed);
}

const ClassRecord& Random::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("Random", &Object::Lookup_(), [](ClassRecord& r) {
            r.create = [] { return std::make_shared<Random>(); };
            r.methods = {{"InRange", "(Integer, Integer) As Integer", method(&Random::InRange), {}}};
        });
    return record;
}

std::int64_t Random::InRange(std::int64_t low, std::int64_t high) {
    if (low > high)
        throw InvalidArgumentException("InRange needs low <= high");
    return std::uniform_int_distribution<std::int64_t>(low, high)(engine_);
}

void Random::Seed(std::uint64_t seed) {
    engine_.seed(seed);
}

} // namespace fw
