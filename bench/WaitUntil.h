#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace bench {

// Runs the Qt event loop until `condition` holds; throws std::runtime_error naming `what` when it
// still does not after `timeout`.
void waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               const std::string& what);

} // namespace bench
