#pragma once

#include "runtime/Variant.h"

#include <functional>
#include <string>
#include <vector>

namespace fw {

// Something whose events can be bound to a handler: controls and timers.
class EventSource {
public:
    // Gets the event's own arguments (the source itself comes first); a Boolean result goes back.
    using Handler = std::function<Variant(const std::vector<Variant>& arguments)>;

    virtual ~EventSource() = default;
    // False when the source has no event of that name.
    virtual bool bindEvent(const std::string& event, Handler handler) = 0;
};

} // namespace fw
