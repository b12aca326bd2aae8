#pragma once

#include "bench/Timing.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <xcb/xcb.h>

namespace bench {

// Watches the X server from a connection of its own for top-level windows being mapped, so that
// the moment a window appears is taken from the server's side, whatever the measured process is
// busy with. Listening starts at construction; only maps after that are seen.
class MapWatcher {
public:
    // Connects to $DISPLAY; throws std::runtime_error when there is no X server.
    MapWatcher();

    // The time the first top-level window whose title begins with `titleStart` was mapped (the
    // clock read as its MapNotify arrives), or nothing once `timeout` has passed.
    std::optional<Clock::time_point> waitForMap(const std::string& titleStart,
                                                std::chrono::milliseconds timeout);

private:
    static xcb_connection_t* connect();
    std::string titleOf(xcb_window_t window);
    xcb_atom_t atom(const char* name);

    std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> connection_;
    xcb_atom_t netWmName_ = XCB_ATOM_NONE;
    xcb_atom_t utf8String_ = XCB_ATOM_NONE;
};

} // namespace bench
