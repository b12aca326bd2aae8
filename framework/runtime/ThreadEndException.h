#pragma once

#include "runtime/RuntimeException.h"

namespace fw {

// Raised for ends the current thread's routine quietly.
FW_DECLARE_EXCEPTION(ThreadEndException, RuntimeException);

} // namespace fw
