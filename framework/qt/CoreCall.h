#pragma once

#include <functional>

class QObject;

namespace fw::qt {

// Every call from Qt into the core goes through here. The core may destroy the very widget or
// timer whose event is being delivered, so disposal waits until that event is over; and no
// exception may unwind through Qt's event loop, which cannot carry one.
class CoreCall {
public:
    static void run(const char* where, const std::function<void()>& call);
    static bool inProgress() { return depth_ > 0; }
    // Deletes `object` now, or, while a call into the core is in progress, once control is back
    // in the event loop.
    static void dispose(QObject* object);

private:
    static inline int depth_ = 0;
};

} // namespace fw::qt
