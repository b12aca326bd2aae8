#include "bench/MapWatcher.h"

#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <stdexcept>
#include <thread>

namespace bench {

namespace {

template <class Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply> Owned<Reply> own(Reply* reply) {
    return Owned<Reply>(reply, &std::free);
}

} // namespace

// On a loaded machine a connection is now and then refused; a few more tries get one.
xcb_connection_t* MapWatcher::connect() {
    for (int attempt = 0;; ++attempt) {
        xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
        if (!xcb_connection_has_error(connection))
            return connection;
        xcb_disconnect(connection);
        if (attempt == 20)
            throw std::runtime_error("cannot connect to the X server named by DISPLAY");
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

MapWatcher::MapWatcher() : connection_(connect(), &xcb_disconnect) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_.get())).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so that listening has begun when the constructor returns.
    auto error = own(xcb_request_check(
        connection_.get(),
        xcb_change_window_attributes_checked(connection_.get(), screen->root, XCB_CW_EVENT_MASK, &mask)));
    if (error)
        throw std::runtime_error("cannot watch the X server's root window");
    netWmName_ = atom("_NET_WM_NAME");
    utf8String_ = atom("UTF8_STRING");
}

xcb_atom_t MapWatcher::atom(const char* name) {
    auto reply = own(xcb_intern_atom_reply(
        connection_.get(),
        xcb_intern_atom(connection_.get(), 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string MapWatcher::titleOf(xcb_window_t window) {
    // Toolkits set both names; the UTF-8 one first, the legacy one for the rest.
    const std::pair<xcb_atom_t, xcb_atom_t> names[] = {{netWmName_, utf8String_},
                                                       {XCB_ATOM_WM_NAME, XCB_ATOM_ANY}};
    for (auto [property, type] : names) {
        auto reply = own(xcb_get_property_reply(
            connection_.get(), xcb_get_property(connection_.get(), 0, window, property, type, 0, 1024),
            nullptr));
        if (reply && xcb_get_property_value_length(reply.get()) > 0)
            return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                               static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    }
    return {};
}

std::optional<Clock::time_point> MapWatcher::waitForMap(const std::string& titleStart,
                                                        std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    pollfd server{xcb_get_file_descriptor(connection_.get()), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (auto event = own(xcb_poll_for_event(connection_.get()))) {
            const auto arrived = Clock::now();
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (!map->override_redirect && titleOf(map->window).starts_with(titleStart))
                return arrived;
        }
        if (xcb_connection_has_error(connection_.get()))
            throw std::runtime_error("lost the connection to the X server");
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        ::poll(&server, 1, static_cast<int>(std::max<long>(1, left.count())));
    }
    return std::nullopt;
}

} // namespace bench
