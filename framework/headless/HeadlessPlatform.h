#pragma once

#include "headless/HeadlessControl.h"
#include "headless/HeadlessWindow.h"
#include "headless/HeadlessWorld.h"
#include "platform/Platform.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fw {
class DesktopMoviePlayer;
class DesktopUIControl;
class DesktopWindow;
} // namespace fw

namespace fw::headless {

// The deterministic backend for tests: a virtual clock instead of real time, simulated input that
// reaches the core through the native side as a user's would, and side effects (sounds, movies,
// URLs, message boxes, quitting) recorded in one ordered log. Platform::the() answers this when
// fw_headless is linked.
class HeadlessPlatform : public platform::Platform {
public:
    static HeadlessPlatform& the();

    // --- platform::Platform
    // Throws NoDisplayException after setDisplayAvailable(false).
    void initialize(platform::AppEvents& events) override;
    void setSupportsHiDPI(bool on) override { supportsHiDPI_ = on; }
    void setDarkModeSupport(bool on) override { darkModeSupport_ = on; }
    // Runs the script (if any), then the posted tasks unless the script quit; answers the quit
    // code, or 0 when nothing quit.
    int run() override;
    // Records "quit <code>"; the last code given is the one run() answers.
    void quit(int code) override;
    void post(std::function<void()> task) override;
    std::unique_ptr<platform::NativeTimer> createTimer(std::function<void()> fired) override;
    std::unique_ptr<platform::NativeWindow> createWindow(platform::WindowEvents& events) override;
    void setApplicationMenuBar(const platform::MenuSpec* menuBar) override;
    // Each opens a regular, readable, non-empty file of the right kind (links followed), judged by
    // its first bytes: MP3 (ID3 tag or frame sync), MP4 ("ftyp" at offset 4), PNG or SVG.
    std::shared_ptr<platform::NativeSound> openSound(const std::filesystem::path& file) override;
    std::shared_ptr<platform::NativeMovie> openMovie(const std::filesystem::path& file) override;
    std::shared_ptr<platform::NativePicture> openPicture(const std::filesystem::path& file) override;
    // Records "url <url>".
    void showURL(const std::string& url) override;
    // Records "message <text>", calls the onMessageBox hook while the box is up, then returns as
    // if the user dismissed it.
    void messageBox(const std::string& text) override;
    // /proc/self/exe unless setExecutablePath() said otherwise.
    std::filesystem::path executablePath() override;

    // --- start-up
    void setDisplayAvailable(bool available) { displayAvailable_ = available; }
    bool initialized() const { return events_ != nullptr; }
    bool supportsHiDPI() const { return supportsHiDPI_; }
    bool darkModeSupport() const { return darkModeSupport_; }

    // --- the event loop
    // What run() does in place of waiting for a user: drive the program, then return.
    void setScript(std::function<void()> script) { script_ = std::move(script); }
    std::optional<int> quitCode() const { return quitCode_; }
    bool running() const { return running_; }

    // --- the virtual clock
    std::int64_t now() const { return world_->now; }
    // Moves the clock on by `milliseconds`, firing due timers in time order (timers due at the
    // same moment in the order they were started) and running posted tasks after each.
    void advance(std::int64_t milliseconds);
    // Runs posted tasks, including those they post, until none is left.
    void runPending();
    std::size_t pendingTasks() const { return world_->tasks.size(); }
    std::size_t activeTimers() const;
    // When the next timer is due, if any is running.
    std::optional<std::int64_t> nextTimerDue() const;

    // --- what the user sees
    // Live native windows, in creation order.
    std::vector<const HeadlessWindow*> windows() const;
    std::vector<const HeadlessWindow*> visibleWindows() const;
    // The native side of a core object. A window not yet built or already closed raises
    // NilObjectException; a control not on a window (or whose window closed), std::logic_error.
    const HeadlessWindow& nativeOf(const DesktopWindow& window) const;
    const HeadlessControl& nativeOf(const DesktopUIControl& control) const;
    const platform::WindowState& stateOf(const DesktopWindow& window) const {
        return nativeOf(window).state();
    }
    const platform::ControlState& stateOf(const DesktopUIControl& control) const {
        return nativeOf(control).state();
    }
    const platform::MenuSpec* menuBarOf(const DesktopWindow& window) const {
        return nativeOf(window).menuBar();
    }
    const platform::MenuSpec* applicationMenuBar() const { return appMenuBar_ ? &*appMenuBar_ : nullptr; }

    // --- simulated input. Each answers whether the input reached the core, and runs the posted
    // tasks afterwards, as the event loop would.
    // A click on a button: only when the button is visible and enabled on a visible window.
    bool press(const DesktopUIControl& button);
    // A mouse press on a control at (x, y) within it: same conditions.
    bool mouseDown(const DesktopUIControl& control, int x, int y);
    // The window's close box: only when the window shows one and is visible.
    bool closeBox(const DesktopWindow& window);
    // A menu choice by item Name: only when a visible item of that name is in the menu bar of a
    // visible window that shows one, and the platform was initialised. A window that sets no
    // menu bar shows none.
    bool chooseMenu(const std::string& name);
    // A shortcut ("Cmd+Q") pressed in a visible window: it chooses the visible item that has it in
    // the window's menu bar or, in a window that sets none, in the application's.
    bool pressShortcut(const DesktopWindow& window, const std::string& shortcut);
    // The playing movie of a player reaches its end (reports movieStopped); false when not playing.
    bool finishMovie(const DesktopMoviePlayer& player);

    // --- media and services
    void setExecutablePath(std::filesystem::path path) { executablePath_ = std::move(path); }
    void onMessageBox(std::function<void(const std::string&)> hook) { messageBoxHook_ = std::move(hook); }
    // Fault injection: `hook` sees each control state before it is shown and may throw.
    void onControlUpdate(std::function<void(const platform::ControlState&)> hook) {
        world_->controlUpdateHook = std::move(hook);
    }
    // Every side effect in order: "sound R5.mp3", "movie PellowickIntroVideo.mp4",
    // "url https://...", "message <text>", "quit 0".
    const std::vector<std::string>& eventLog() const { return world_->log; }
    std::vector<std::string> urlsOpened() const { return logged("url "); }
    std::vector<std::string> messages() const { return logged("message "); }
    std::vector<std::string> soundsPlayed() const { return logged("sound "); }
    std::vector<std::string> moviesPlayed() const { return logged("movie "); }

private:
    HeadlessPlatform() = default;
    std::vector<std::string> logged(const std::string& prefix) const;
    HeadlessControl* inputTarget(const DesktopUIControl& control) const;

    std::shared_ptr<HeadlessWorld> world_ = std::make_shared<HeadlessWorld>();
    platform::AppEvents* events_ = nullptr;
    bool displayAvailable_ = true;
    bool supportsHiDPI_ = false;
    bool darkModeSupport_ = false;
    bool running_ = false;
    std::function<void()> script_;
    std::optional<int> quitCode_;
    std::optional<platform::MenuSpec> appMenuBar_;
    std::optional<std::filesystem::path> executablePath_;
    std::function<void(const std::string&)> messageBoxHook_;
};

} // namespace fw::headless
