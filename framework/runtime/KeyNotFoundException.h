#pragma once

#include "runtime/RuntimeException.h"

namespace fw {

// Raised for a name the class or collection does not hold.
FW_DECLARE_EXCEPTION(KeyNotFoundException, RuntimeException);

} // namespace fw
