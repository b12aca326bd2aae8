#include "bench/PacatTone.h"

#include <array>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <numbers>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace bench {

namespace {

constexpr int kRate = 44100;
// 100 ms of 1 kHz at a third of full scale, two channels: well within a pipe's buffer.
constexpr int kFrames = kRate / 10;

std::vector<std::int16_t> tone() {
    std::vector<std::int16_t> samples;
    for (int f = 0; f < kFrames; ++f) {
        const double value = 10000.0 * std::cos(2.0 * std::numbers::pi * 1000.0 * f / kRate);
        samples.push_back(static_cast<std::int16_t>(std::lround(value)));
        samples.push_back(samples.back());
    }
    return samples;
}

} // namespace

PacatTone::PacatTone() {
    if (::pipe(pipe_) != 0)
        throw std::runtime_error("cannot make a pipe");
    const std::vector<std::int16_t> samples = tone();
    const auto bytes = static_cast<ssize_t>(samples.size() * sizeof(std::int16_t));
    if (::write(pipe_[1], samples.data(), static_cast<std::size_t>(bytes)) != bytes)
        throw std::runtime_error("cannot fill the pipe");
    ::close(pipe_[1]);
    pipe_[1] = -1;
}

PacatTone::~PacatTone() {
    if (pid_ > 0) {
        const auto deadline = Clock::now() + std::chrono::seconds(3);
        while (::waitpid(pid_, nullptr, WNOHANG) == 0) {
            if (Clock::now() > deadline) {
                ::kill(pid_, SIGKILL);
                ::waitpid(pid_, nullptr, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    for (const int end : pipe_)
        if (end >= 0)
            ::close(end);
}

Clock::time_point PacatTone::start() {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    std::array<char*, 8> argv{const_cast<char*>("pacat"),
                              const_cast<char*>("--raw"),
                              const_cast<char*>("--format=s16le"),
                              const_cast<char*>("--rate=44100"),
                              const_cast<char*>("--channels=2"),
                              const_cast<char*>("--latency-msec=10"),
                              const_cast<char*>("--client-name=kelvory-bench"),
                              nullptr};
    const auto started = Clock::now();
    const int failed = ::posix_spawnp(&pid_, "pacat", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        pid_ = -1;
        throw std::runtime_error("cannot start pacat");
    }
    return started;
}

} // namespace bench
