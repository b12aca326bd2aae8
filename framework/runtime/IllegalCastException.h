#pragma once

#include "runtime/RuntimeException.h"

namespace fw {

// Raised for a cast to a class the object is not of.
FW_DECLARE_EXCEPTION(IllegalCastException, RuntimeException);

} // namespace fw
