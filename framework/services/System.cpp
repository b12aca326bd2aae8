#include "services/System.h"

#include "services/Random.h"

namespace fw::System {

std::shared_ptr<fw::Random> Random() {
    static const std::shared_ptr<fw::Random> shared = std::make_shared<fw::Random>();
    return shared;
}

} // namespace fw::System
