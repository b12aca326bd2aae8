#pragma once

#include "RunResult.h"

#include <gtest/gtest.h>

// The checks every run gets, as gtest assertions that show the whole run when they fail.
namespace runchecks {

// Ended by itself with `status`: not killed at the deadline (a hang), not ended by a signal (a
// crash), and no sanitizer or memory checker spoke.
::testing::AssertionResult endedWith(const RunResult& run, int status);
// The same, and the driver's scenario ran to its end with every check passed.
::testing::AssertionResult scenarioPassed(const RunResult& run, int status = 0);
// Standard error holds only the program's own lines and the toolkit's known chatter.
::testing::AssertionResult nothingForeign(const RunResult& run);

} // namespace runchecks
