#pragma once

#include <memory>
#include <string>
#include <sys/types.h>

// A private virtual X server (Xvfb) for the cases that need a real one: the xcb platform and
// the desktop's URL opener, which the offscreen platform does not use.
class XServer {
public:
    // A started server, or null when Xvfb is not installed (except on CI, where that throws too).
    // Throws when Xvfb is installed but does not start: a broken X server is a failure, not a skip.
    static std::unique_ptr<XServer> start();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    const std::string& display() const { return display_; }
    // Whether a window of that title is mapped and viewable on this server, as the X tools see
    // it from outside the program.
    bool shows(const std::string& title) const;

private:
    XServer(pid_t pid, std::string display) : pid_(pid), display_(std::move(display)) {}

    pid_t pid_;
    std::string display_;
};
