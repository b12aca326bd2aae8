#pragma once

#include <functional>
#include <span>

namespace fw {

struct InitializerEntry;

// Runtime internals shared by the framework's own sources; not for program code.

void RuntimeRecordMainThread_();
// From here on an unhandled exception no longer counts as a failed start-up.
void RuntimeMarkEventLoopStarted_();
bool RuntimeEventLoopStarted_();

// The framework's own entries of the start-up initialiser table; they run before the program's.
std::span<const InitializerEntry> FrameworkInitializers_();

} // namespace fw
