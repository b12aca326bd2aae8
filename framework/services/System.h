#pragma once

#include <memory>

namespace fw {

class Random;

namespace System {

// The process's one shared random source, made on first use.
std::shared_ptr<fw::Random> Random();

} // namespace System
} // namespace fw
