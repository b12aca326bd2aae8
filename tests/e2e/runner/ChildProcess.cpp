#include "ChildProcess.h"

#include "support/Shell.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

std::vector<std::string> buildEnvironment(const std::map<std::string, std::optional<std::string>>& changes) {
    std::map<std::string, std::string> merged;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const auto equals = text.find('=');
        if (equals != std::string::npos)
            merged[text.substr(0, equals)] = text.substr(equals + 1);
    }
    for (const auto& [name, value] : changes) {
        if (value)
            merged[name] = *value;
        else
            merged.erase(name);
    }
    std::vector<std::string> result;
    for (const auto& [name, value] : merged)
        result.push_back(name + "=" + value);
    return result;
}

// In the child, between fork and exec: only async-signal-safe calls.
[[noreturn]] void becomeChild(char* const* argv, char* const* envp, const char* folder, const char* out,
                              const char* err) {
    setpgid(0, 0);
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const int devNull = open("/dev/null", O_RDONLY);
    const int outFd = open(out, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int errFd = open(err, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (devNull < 0 || outFd < 0 || errFd < 0 || chdir(folder) != 0)
        _exit(126);
    dup2(devNull, STDIN_FILENO);
    dup2(outFd, STDOUT_FILENO);
    dup2(errFd, STDERR_FILENO);
    execve(argv[0], argv, envp);
    _exit(127);
}

} // namespace

ChildProcess::ChildProcess(Options options) : options_(std::move(options)) {
    std::vector<std::string> environment = buildEnvironment(options_.environment);
    std::vector<char*> argv;
    for (std::string& arg : options_.argv)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    const std::string folder = options_.workingDirectory.string();
    const std::string out = (options_.outputDirectory / "stdout").string();
    const std::string err = (options_.outputDirectory / "stderr").string();

    started_ = std::chrono::steady_clock::now();
    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (pid_ == 0)
        becomeChild(argv.data(), envp.data(), folder.c_str(), out.c_str(), err.c_str());
    setpgid(pid_, pid_); // also here, so that the group exists before anything is sent to it
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0)
        ::kill(-pid_, SIGKILL); // helpers it started and left behind
    if (pid_ > 0 && !waitStatus_) {
        int status = 0;
        waitpid(pid_, &status, 0);
    }
}

bool ChildProcess::waitForEnd(std::chrono::milliseconds within) {
    const auto deadline = std::chrono::steady_clock::now() + within;
    while (!waitStatus_) {
        int status = 0;
        rusage usage{};
        const pid_t ended = wait4(pid_, &status, WNOHANG, &usage);
        if (ended == pid_) {
            waitStatus_ = status;
            peakMemoryKiB_ = usage.ru_maxrss;
            break;
        }
        if (ended < 0 && errno != EINTR)
            throw std::runtime_error(std::string("waitpid: ") + std::strerror(errno));
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void ChildProcess::kill() {
    if (waitStatus_)
        return;
    ::kill(-pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    waitStatus_ = status;
}

ChildOutcome ChildProcess::finish(std::chrono::milliseconds timeout) {
    if (!waitForEnd(timeout)) {
        killedAtDeadline_ = true;
        kill();
    }
    return collect();
}

ChildOutcome ChildProcess::collect() {
    ChildOutcome outcome;
    outcome.took =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started_);
    outcome.timedOut = killedAtDeadline_;
    outcome.peakMemoryKiB = peakMemoryKiB_;
    const int status = waitStatus_.value_or(0);
    if (WIFEXITED(status)) {
        outcome.exitStatus = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status) && !killedAtDeadline_) {
        outcome.signaled = true;
        outcome.signal = WTERMSIG(status);
    }
    outcome.out = shell::readFile(options_.outputDirectory / "stdout");
    outcome.err = shell::readFile(options_.outputDirectory / "stderr");
    return outcome;
}
