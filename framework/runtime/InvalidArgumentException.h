#pragma once

#include "runtime/RuntimeException.h"

namespace fw {

// Raised for an argument the operation refuses.
FW_DECLARE_EXCEPTION(InvalidArgumentException, RuntimeException);

} // namespace fw
