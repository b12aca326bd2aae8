#include "qt/ControlView.h"

#include "qt/CoreCall.h"

namespace fw::qt {

void ControlView::report(const char* where, const std::function<void(platform::ControlEvents&)>& event) {
    if (platform::ControlEvents* events = events_)
        CoreCall::run(where, [&] { event(*events); });
}

} // namespace fw::qt
