#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// How a child process ended, and what it wrote.
struct ChildOutcome {
    bool timedOut = false; // still running at the deadline, so killed: a hang
    bool signaled = false; // ended by a signal it did not ask for: a crash
    int signal = 0;
    int exitStatus = -1;
    std::string out;
    std::string err;
    std::chrono::milliseconds took{0};
    long peakMemoryKiB = 0; // its resident memory at the most
};

// One program started in a process group of its own, with its own environment, folder and
// output files. Whatever is left of the group is killed when this object goes.
class ChildProcess {
public:
    struct Options {
        std::vector<std::string> argv;
        // Values to set; nullopt removes the variable. The rest is inherited.
        std::map<std::string, std::optional<std::string>> environment;
        std::filesystem::path workingDirectory;
        std::filesystem::path outputDirectory; // stdout and stderr files go here
    };

    explicit ChildProcess(Options options);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // True once the process has ended; false if it is still running after `within`.
    bool waitForEnd(std::chrono::milliseconds within);
    // Kills the whole process group, then collects the outcome.
    void kill();
    // Waits for the end; after `timeout` the process is killed and counted as a hang.
    ChildOutcome finish(std::chrono::milliseconds timeout);
    pid_t pid() const { return pid_; }

private:
    ChildOutcome collect();

    Options options_;
    pid_t pid_ = -1;
    std::optional<int> waitStatus_;
    long peakMemoryKiB_ = 0;
    std::chrono::steady_clock::time_point started_;
    bool killedAtDeadline_ = false;
};
