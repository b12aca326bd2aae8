#include "runtime/MainThread.h"

#include "runtime/RuntimeState.h"
#include "runtime/ThreadAccessingUIException.h"

#include <thread>

namespace fw {

namespace {
// Static initialisation runs on the process's first thread, so the guard holds even in a process
// (a test) that never calls RuntimeInit.
std::thread::id mainThread = std::this_thread::get_id();
} // namespace

void RuntimeRecordMainThread_() {
    mainThread = std::this_thread::get_id();
}

bool IsMainThread() {
    return std::this_thread::get_id() == mainThread;
}

void RequireMainThread() {
    if (!IsMainThread())
        throw ThreadAccessingUIException("user-interface objects can only be used on the main thread");
}

} // namespace fw
