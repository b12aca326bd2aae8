#pragma once

#include "runtime/Runtime.h"

#include <span>

// The program's entries of the start-up initialiser table, in the order the runtime runs them.
std::span<const fw::InitializerEntry> ProgramInitializers();
