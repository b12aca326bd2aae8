#pragma once

#include "runtime/RuntimeException.h"

namespace fw {

// Raised for a call on nil.
FW_DECLARE_EXCEPTION(NilObjectException, RuntimeException);

} // namespace fw
