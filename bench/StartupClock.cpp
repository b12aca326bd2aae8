// startup_clock TITLE PROGRAM [ARGS...]: starts PROGRAM and prints the milliseconds from just
// before its fork to the mapping of its window titled TITLE; then kills it.
#include "bench/MapWatcher.h"

#include <csignal>
#include <cstdio>
#include <exception>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::chrono::seconds kPatience{30};

// The started program, killed and reaped however the measurement ends.
class Child {
public:
    explicit Child(char** argv) : pid_(::fork()) {
        if (pid_ < 0)
            throw std::runtime_error("cannot fork");
        if (pid_ == 0) {
            ::dup2(STDERR_FILENO, STDOUT_FILENO); // only the measurement goes to standard output
            ::execv(argv[0], argv);
            std::perror(argv[0]);
            ::_exit(127);
        }
    }
    ~Child() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

private:
    pid_t pid_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    try {
        bench::MapWatcher watcher;
        const auto started = bench::Clock::now();
        const Child child(argv + 2);
        const auto mapped = watcher.waitForMap(argv[1], kPatience);
        if (!mapped) {
            std::fprintf(stderr, "startup_clock: no window titled \"%s\" appeared\n", argv[1]);
            return 1;
        }
        std::printf("%.3f\n", bench::millisecondsBetween(started, *mapped));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "startup_clock: %s\n", failure.what());
        return 1;
    }
}
