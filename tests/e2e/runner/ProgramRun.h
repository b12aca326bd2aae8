#pragma once

#include "BundleCopy.h"
#include "ChildProcess.h"
#include "RunResult.h"

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Starts the program of a bundle copy as a user would: from a folder of its own, on the
// offscreen platform unless told otherwise, with no display, a private runtime folder and the
// rest of the caller's environment (sanitizer options included).
class ProgramRun {
public:
    explicit ProgramRun(const BundleCopy& bundle);

    // Words after the executable: the driver's scenario and its arguments.
    ProgramRun& arguments(std::vector<std::string> words);
    ProgramRun& set(const std::string& name, const std::string& value);
    ProgramRun& unset(const std::string& name);
    // A command the program runs under (a memory checker, a system-call tracer).
    ProgramRun& under(std::vector<std::string> command);
    // On a real X server instead of the offscreen platform.
    ProgramRun& onDisplay(const std::string& display);
    ProgramRun& timeout(std::chrono::milliseconds limit);

    std::unique_ptr<ChildProcess> start() const;
    // Runs to the end; past the timeout the process is killed and the result says it hung.
    RunResult run() const;

    // The timeout every run gets unless told otherwise.
    static std::chrono::milliseconds defaultTimeout();

private:
    const BundleCopy& bundle_;
    std::vector<std::string> arguments_;
    std::vector<std::string> wrapper_;
    std::map<std::string, std::optional<std::string>> environment_;
    std::chrono::milliseconds timeout_ = defaultTimeout();
};
