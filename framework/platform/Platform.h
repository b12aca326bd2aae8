#pragma once

#include "platform/NativeControl.h"
#include "platform/NativeMedia.h"
#include "platform/NativeTimer.h"
#include "platform/NativeWindow.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace fw::platform {

// What the application as a whole hears from the platform.
class AppEvents {
public:
    virtual ~AppEvents() = default;
    // A menu item was chosen (by mouse or shortcut); `name` is the item's Name.
    virtual void menuChosen(const std::string& name) = 0;
};

// The narrow interface a backend implements: an event loop, timers, native windows with their
// controls, media decoding and the desktop's services. The core owns all state; a backend only
// shows it and reports the user's input back.
class Platform {
public:
    virtual ~Platform() = default;

    // The backend linked into this executable.
    static Platform& the();

    // Connects to the display. Throws fw::NoDisplayException when there is none.
    virtual void initialize(AppEvents& events) = 0;
    virtual void setSupportsHiDPI(bool on) = 0;
    virtual void setDarkModeSupport(bool on) = 0;

    // Runs the event loop until quit(); returns the code given to quit().
    virtual int run() = 0;
    virtual void quit(int code) = 0;
    // Runs `task` from the event loop, after what is already queued.
    virtual void post(std::function<void()> task) = 0;

    virtual std::unique_ptr<NativeTimer> createTimer(std::function<void()> fired) = 0;
    virtual std::unique_ptr<NativeWindow> createWindow(WindowEvents& events) = 0;
    virtual void setApplicationMenuBar(const MenuSpec* menuBar) = 0;

    // Each gives null when the file is missing, empty, unreadable or not of that kind.
    virtual std::shared_ptr<NativeSound> openSound(const std::filesystem::path& file) = 0;
    virtual std::shared_ptr<NativeMovie> openMovie(const std::filesystem::path& file) = 0;
    virtual std::shared_ptr<NativePicture> openPicture(const std::filesystem::path& file) = 0;

    virtual void showURL(const std::string& url) = 0;
    // Shows a modal message and returns once the user has dismissed it.
    virtual void messageBox(const std::string& text) = 0;

    // The running program's own executable.
    virtual std::filesystem::path executablePath() = 0;
};

} // namespace fw::platform
