#include "headless/HeadlessPlatform.h"

#include "headless/HeadlessMovie.h"
#include "headless/HeadlessPicture.h"
#include "headless/HeadlessSound.h"
#include "headless/HeadlessTimer.h"
#include "headless/MediaFiles.h"
#include "runtime/NoDisplayException.h"
#include "ui/DesktopMoviePlayer.h"
#include "ui/DesktopUIControl.h"
#include "ui/DesktopWindow.h"

#include <algorithm>
#include <stdexcept>
#include <system_error>

namespace fw::platform {

Platform& Platform::the() {
    return headless::HeadlessPlatform::the();
}

} // namespace fw::platform

namespace fw::headless {

namespace {

// How much of a file is read to tell its kind; an SVG's root element sits near the start.
constexpr std::size_t kHeadBytes = 4096;

// The visible item of `menu` that `matches`, however deep.
const platform::MenuSpec* findVisibleItem(const platform::MenuSpec& menu,
                                          const std::function<bool(const platform::MenuSpec&)>& matches) {
    for (const auto& item : menu.children) {
        if (!item.visible)
            continue;
        if (matches(item))
            return &item;
        if (const auto* found = findVisibleItem(item, matches))
            return found;
    }
    return nullptr;
}

// Restores a flag however the scope is left.
class RunningScope {
public:
    explicit RunningScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningScope() { flag_ = false; }
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;

private:
    bool& flag_;
};

} // namespace

HeadlessPlatform& HeadlessPlatform::the() {
    static HeadlessPlatform platform;
    return platform;
}

void HeadlessPlatform::initialize(platform::AppEvents& events) {
    if (!displayAvailable_)
        throw NoDisplayException("cannot connect to a display");
    events_ = &events;
}

int HeadlessPlatform::run() {
    if (running_)
        throw std::logic_error("the headless event loop is already running");
    RunningScope scope(running_);
    if (script_) {
        auto script = script_;
        script();
    }
    if (!quitCode_)
        runPending();
    return quitCode_.value_or(0);
}

void HeadlessPlatform::quit(int code) {
    quitCode_ = code;
    world_->log.push_back("quit " + std::to_string(code));
}

void HeadlessPlatform::post(std::function<void()> task) {
    world_->tasks.push_back(std::move(task));
}

std::unique_ptr<platform::NativeTimer> HeadlessPlatform::createTimer(std::function<void()> fired) {
    return std::make_unique<HeadlessTimer>(world_, std::move(fired));
}

std::unique_ptr<platform::NativeWindow> HeadlessPlatform::createWindow(platform::WindowEvents& events) {
    return std::make_unique<HeadlessWindow>(world_, events);
}

void HeadlessPlatform::setApplicationMenuBar(const platform::MenuSpec* menuBar) {
    appMenuBar_.reset();
    if (menuBar)
        appMenuBar_ = *menuBar;
}

std::shared_ptr<platform::NativeSound> HeadlessPlatform::openSound(const std::filesystem::path& file) {
    auto head = ReadFileHead(file, kHeadBytes);
    if (!head || !LooksLikeMp3(*head))
        return nullptr;
    return std::make_shared<HeadlessSound>(world_, file);
}

std::shared_ptr<platform::NativeMovie> HeadlessPlatform::openMovie(const std::filesystem::path& file) {
    auto head = ReadFileHead(file, kHeadBytes);
    if (!head || !LooksLikeMp4(*head))
        return nullptr;
    return std::make_shared<HeadlessMovie>(file);
}

std::shared_ptr<platform::NativePicture> HeadlessPlatform::openPicture(const std::filesystem::path& file) {
    auto head = ReadFileHead(file, kHeadBytes);
    if (!head)
        return nullptr;
    auto size = PngSize(*head);
    if (!size)
        size = SvgSize(*head);
    if (!size)
        return nullptr;
    return std::make_shared<HeadlessPicture>(file, size->width, size->height);
}

void HeadlessPlatform::showURL(const std::string& url) {
    world_->log.push_back("url " + url);
}

void HeadlessPlatform::messageBox(const std::string& text) {
    world_->log.push_back("message " + text);
    if (messageBoxHook_) {
        auto hook = messageBoxHook_;
        hook(text);
    }
}

std::filesystem::path HeadlessPlatform::executablePath() {
    if (executablePath_)
        return *executablePath_;
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

void HeadlessPlatform::advance(std::int64_t milliseconds) {
    if (milliseconds < 0)
        throw std::invalid_argument("the clock does not go backwards");
    const std::int64_t target = world_->now + milliseconds;
    runPending();
    for (;;) {
        // Looked for afresh each time: a callback may start, stop or destroy any timer.
        HeadlessTimer* next = nullptr;
        for (HeadlessTimer* timer : world_->timers) {
            if (!timer->active() || timer->due() > target)
                continue;
            if (!next || timer->due() < next->due() ||
                (timer->due() == next->due() && timer->sequence() < next->sequence()))
                next = timer;
        }
        if (!next)
            break;
        world_->now = next->due();
        next->fire();
        runPending();
    }
    world_->now = target;
}

void HeadlessPlatform::runPending() {
    while (!world_->tasks.empty()) {
        auto task = std::move(world_->tasks.front());
        world_->tasks.pop_front();
        task();
    }
}

std::size_t HeadlessPlatform::activeTimers() const {
    return static_cast<std::size_t>(
        std::count_if(world_->timers.begin(), world_->timers.end(),
                      [](const HeadlessTimer* timer) { return timer->active(); }));
}

std::optional<std::int64_t> HeadlessPlatform::nextTimerDue() const {
    std::optional<std::int64_t> next;
    for (const HeadlessTimer* timer : world_->timers) {
        if (timer->active() && (!next || timer->due() < *next))
            next = timer->due();
    }
    return next;
}

std::vector<const HeadlessWindow*> HeadlessPlatform::windows() const {
    return {world_->windows.begin(), world_->windows.end()};
}

std::vector<const HeadlessWindow*> HeadlessPlatform::visibleWindows() const {
    std::vector<const HeadlessWindow*> visible;
    for (const HeadlessWindow* window : world_->windows) {
        if (window->state().visible)
            visible.push_back(window);
    }
    return visible;
}

const HeadlessWindow& HeadlessPlatform::nativeOf(const DesktopWindow& window) const {
    const auto* native = dynamic_cast<const HeadlessWindow*>(&window.native());
    if (!native)
        throw std::logic_error(window.classRecord().name() + " is not on the headless platform");
    return *native;
}

const HeadlessControl& HeadlessPlatform::nativeOf(const DesktopUIControl& control) const {
    const auto* native = dynamic_cast<const HeadlessControl*>(control.native());
    if (!native)
        throw std::logic_error("control " + control.Name() + " has no headless native control");
    return *native;
}

HeadlessControl* HeadlessPlatform::inputTarget(const DesktopUIControl& control) const {
    auto* native = dynamic_cast<HeadlessControl*>(control.native());
    if (!native || !native->owner())
        return nullptr;
    const auto& state = native->state();
    if (!state.visible || !state.enabled || !native->owner()->state().visible)
        return nullptr;
    return native;
}

bool HeadlessPlatform::press(const DesktopUIControl& button) {
    auto* native = inputTarget(button);
    if (!native || native->kind() != platform::ControlKind::Button)
        return false;
    native->events().pressed();
    runPending();
    return true;
}

bool HeadlessPlatform::mouseDown(const DesktopUIControl& control, int x, int y) {
    auto* native = inputTarget(control);
    if (!native)
        return false;
    native->events().mouseDown(x, y);
    runPending();
    return true;
}

bool HeadlessPlatform::closeBox(const DesktopWindow& window) {
    if (window.IsClosed())
        return false;
    auto& native = const_cast<HeadlessWindow&>(nativeOf(window));
    if (!native.state().hasCloseButton || !native.state().visible)
        return false;
    native.events().closeRequested(); // may destroy `native`
    runPending();
    return true;
}

bool HeadlessPlatform::chooseMenu(const std::string& name) {
    if (!events_)
        return false;
    const auto named = [&](const platform::MenuSpec& item) { return item.name == name; };
    const bool offered =
        std::any_of(world_->windows.begin(), world_->windows.end(), [&](const HeadlessWindow* window) {
            return window->state().visible && window->menuBar() && findVisibleItem(*window->menuBar(), named);
        });
    if (!offered)
        return false;
    events_->menuChosen(name);
    runPending();
    return true;
}

bool HeadlessPlatform::pressShortcut(const DesktopWindow& window, const std::string& shortcut) {
    if (!events_ || window.IsClosed() || !nativeOf(window).state().visible)
        return false;
    const platform::MenuSpec* bar = nativeOf(window).menuBar();
    if (!bar)
        bar = applicationMenuBar();
    const platform::MenuSpec* item =
        bar ? findVisibleItem(*bar, [&](const platform::MenuSpec& each) { return each.shortcut == shortcut; })
            : nullptr;
    if (!item)
        return false;
    events_->menuChosen(item->name);
    runPending();
    return true;
}

bool HeadlessPlatform::finishMovie(const DesktopMoviePlayer& player) {
    auto* native = dynamic_cast<HeadlessControl*>(player.native());
    if (!native || !native->playing())
        return false;
    native->finishMovie();
    runPending();
    return true;
}

std::vector<std::string> HeadlessPlatform::logged(const std::string& prefix) const {
    std::vector<std::string> entries;
    for (const auto& entry : world_->log) {
        if (entry.starts_with(prefix))
            entries.push_back(entry.substr(prefix.size()));
    }
    return entries;
}

} // namespace fw::headless
