#pragma once

#include "runtime/RuntimeException.h"

namespace fw {

// Raised for no display to show windows on.
FW_DECLARE_EXCEPTION(NoDisplayException, RuntimeException);

} // namespace fw
