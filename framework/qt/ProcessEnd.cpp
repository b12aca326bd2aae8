#include "qt/ProcessEnd.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace fw::qt {

namespace {
// Fixed, so that nothing of it is allocated or destroyed while the process ends.
constinit std::array<void (*)(), 4> lastWork{};
constinit std::size_t lastWorkCount = 0;
} // namespace

void ProcessEnd::atEnd(void (*work)()) {
    if (lastWorkCount == lastWork.size())
        throw std::length_error("too much work for the end of the process");
    lastWork[lastWorkCount++] = work;
    // Until the end comes early, the work runs as an ordinary exit handler, before whatever static
    // objects the work uses were destroyed: those made before it was added.
    std::atexit(&ProcessEnd::runLastWork);
}

void ProcessEnd::comeBeforeExitHandlersSoFar() {
    // on_exit() rather than atexit(): the handler is handed the status to end with.
    on_exit(&ProcessEnd::end, nullptr);
}

void ProcessEnd::runLastWork() {
    while (lastWorkCount > 0)
        lastWork[--lastWorkCount]();
}

void ProcessEnd::end(int status, void*) {
    runLastWork();
    std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer's own check at exit is one of the handlers that will not run.
    __lsan_do_leak_check();
#endif
    std::_Exit(status);
}

} // namespace fw::qt
