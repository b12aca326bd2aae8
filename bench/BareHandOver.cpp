// The hand-over baseline: in a Qt process whose 960x540 window is up, hides that window and
// shows a new plain 675x552 one; prints the milliseconds from the hide to the new window's
// mapping, as the X server reports it.
#include "bench/MapWatcher.h"
#include "bench/WaitUntil.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <future>

int main(int argc, char** argv) {
    try {
        QApplication app(argc, argv);
        QWidget intro;
        intro.setWindowTitle(QStringLiteral("A Pellowick Production"));
        intro.resize(960, 540);
        intro.show();
        // Settled, as the intro window is by the end of its movie: drawn, nothing pending.
        const auto settled = bench::Clock::now() + std::chrono::milliseconds(500);
        bench::waitUntil([&] { return bench::Clock::now() > settled; }, std::chrono::seconds(5), "the intro");

        bench::MapWatcher watcher;
        auto mapped = std::async(std::launch::async,
                                 [&] { return watcher.waitForMap("Kelvory", std::chrono::seconds(30)); });
        const auto start = bench::Clock::now();
        intro.hide();
        QWidget rating;
        rating.setWindowTitle(QStringLiteral("Kelvory"));
        rating.resize(675, 552);
        rating.show();
        bench::waitUntil(
            [&] { return mapped.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            std::chrono::seconds(30), "the new window");
        const auto end = mapped.get();
        if (!end)
            throw std::runtime_error("the new window was never mapped");
        std::printf("%.3f\n", bench::millisecondsBetween(start, *end));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "bare_hand_over: %s\n", failure.what());
        return 1;
    }
}
