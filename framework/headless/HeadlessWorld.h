#pragma once

#include "platform/NativeControl.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace fw::headless {

class HeadlessTimer;
class HeadlessWindow;

// What the headless platform and its native objects share. Both hold it, so at process exit
// either may go first.
struct HeadlessWorld {
    std::int64_t now = 0; // the virtual clock, in milliseconds
    std::uint64_t nextSequence = 0;
    std::vector<HeadlessTimer*> timers;
    std::vector<HeadlessWindow*> windows; // live native windows, in creation order
    std::deque<std::function<void()>> tasks;
    std::vector<std::string> log; // every recorded side effect, in order
    // Sees every state pushed to a control before it is shown; throwing from it makes the
    // platform fail that update, as a real toolkit might.
    std::function<void(const platform::ControlState&)> controlUpdateHook;
};

} // namespace fw::headless
