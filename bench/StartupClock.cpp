// startup_clock TITLE PROGRAM [ARGS...]: starts PROGRAM and prints the milliseconds from just
// before its fork to the mapping of its window titled TITLE; then kills it.
#include "bench/ChildProcess.h"
#include "bench/MapWatcher.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    try {
        bench::MapWatcher watcher;
        const auto started = bench::Clock::now();
        const bench::ChildProcess program(argv + 2);
        const auto mapped = watcher.waitForMap(argv[1], std::chrono::seconds(30));
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
