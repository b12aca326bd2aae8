// The program's hand-over: its intro movie plays to its end; prints the milliseconds from the
// intro window being hidden (the first thing its MovieStopped handler does) to the rating
// window's mapping, as the X server reports it.
#include "bench/HideClock.h"
#include "bench/MapWatcher.h"
#include "bench/ProgramRun.h"
#include "bench/WaitUntil.h"

#include <cstdio>
#include <future>

int main() {
    try {
        bench::ProgramRun program;
        const bench::HideClock intro(bench::ProgramRun::introWindow());
        bench::MapWatcher watcher;
        auto mapped = std::async(std::launch::async, [&] {
            return watcher.waitForMap(bench::ProgramRun::kRatingTitle, std::chrono::seconds(30));
        });
        program.waitForHandOver();
        bench::waitUntil(
            [&] { return mapped.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            std::chrono::seconds(30), "the rating window's mapping");
        const auto end = mapped.get();
        if (!end || !intro.hiddenAt())
            throw std::runtime_error("no hand-over");
        std::printf("%.3f\n", bench::millisecondsBetween(*intro.hiddenAt(), *end));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "hand_over_bench: %s\n", failure.what());
        return 1;
    }
}
