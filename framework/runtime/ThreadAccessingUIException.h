#pragma once

#include "runtime/RuntimeException.h"

namespace fw {

// Raised for a window, control or menu touched off the main thread.
FW_DECLARE_EXCEPTION(ThreadAccessingUIException, RuntimeException);

} // namespace fw
