#pragma once

#include "runtime/RuntimeException.h"

namespace fw {

// Raised for ends the current routine quietly.
FW_DECLARE_EXCEPTION(EndException, RuntimeException);

} // namespace fw
