#include "ProgramRun.h"

#include "Tools.h"

#include <filesystem>

namespace fs = std::filesystem;

ProgramRun::ProgramRun(const BundleCopy& bundle) : bundle_(bundle) {
    const fs::path runtime = bundle.work() / "runtime";
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
    environment_ = {
        {"QT_QPA_PLATFORM", "offscreen"},
        {"DISPLAY", std::nullopt},
        {"WAYLAND_DISPLAY", std::nullopt},
        {"XDG_RUNTIME_DIR", runtime.string()},
        // No session bus: with none named, one is started through the X server on first use,
        // and outlives the run.
        {"DBUS_SESSION_BUS_ADDRESS", "disabled:"},
        // The driver's waits stretch with the build.
        {"KELVORY_E2E_TIME_SCALE", std::to_string(Tools::timeScale())},
    };
}

ProgramRun& ProgramRun::arguments(std::vector<std::string> words) {
    arguments_ = std::move(words);
    return *this;
}

ProgramRun& ProgramRun::set(const std::string& name, const std::string& value) {
    environment_[name] = value;
    return *this;
}

ProgramRun& ProgramRun::unset(const std::string& name) {
    environment_[name] = std::nullopt;
    return *this;
}

ProgramRun& ProgramRun::under(std::vector<std::string> command) {
    wrapper_ = std::move(command);
    return *this;
}

ProgramRun& ProgramRun::onDisplay(const std::string& display) {
    environment_["QT_QPA_PLATFORM"] = "xcb";
    environment_["DISPLAY"] = display;
    return *this;
}

ProgramRun& ProgramRun::timeout(std::chrono::milliseconds limit) {
    timeout_ = limit;
    return *this;
}

std::chrono::milliseconds ProgramRun::defaultTimeout() {
    // Sanitizer builds run slower; a hang is still a hang at three times the time.
    return std::chrono::milliseconds(90'000) * Tools::timeScale();
}

std::unique_ptr<ChildProcess> ProgramRun::start() const {
    ChildProcess::Options options;
    options.argv = wrapper_;
    options.argv.push_back(bundle_.executable().string());
    options.argv.insert(options.argv.end(), arguments_.begin(), arguments_.end());
    options.environment = environment_;
    const fs::path home = bundle_.work() / "cwd";
    fs::create_directories(home);
    options.workingDirectory = home;
    options.outputDirectory = bundle_.work();
    return std::make_unique<ChildProcess>(std::move(options));
}

RunResult ProgramRun::run() const {
    return RunResult(start()->finish(timeout_));
}
