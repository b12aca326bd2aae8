#include "qt/CoreCall.h"

#include <QObject>
#include <cstdio>
#include <exception>

namespace fw::qt {

void CoreCall::run(const char* where, const std::function<void()>& call) {
    ++depth_;
    try {
        call();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kelvory: exception escaped %s: %s\n", where, e.what());
    } catch (...) {
        std::fprintf(stderr, "kelvory: exception escaped %s\n", where);
    }
    --depth_;
}

void CoreCall::dispose(QObject* object) {
    if (!object)
        return;
    if (inProgress())
        object->deleteLater();
    else
        delete object;
}

} // namespace fw::qt
