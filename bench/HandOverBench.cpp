// The program's hand-over: its intro movie is let end by itself; prints the milliseconds from
// the intro window being hidden (the first thing its MovieStopped handler does) to the rating
// window's mapping, as the X server reports it.
#include "bench/MapWatcher.h"
#include "bench/ProgramRun.h"
#include "bench/WaitUntil.h"

#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <future>
#include <optional>

namespace {

// Reads the clock when the watched widget is hidden; Qt sends the event from inside hide().
class HideClock final : public QObject {
public:
    explicit HideClock(QWidget& widget) { widget.installEventFilter(this); }
    const std::optional<bench::Clock::time_point>& hiddenAt() const { return hiddenAt_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide && !hiddenAt_)
            hiddenAt_ = bench::Clock::now();
        return false;
    }

private:
    std::optional<bench::Clock::time_point> hiddenAt_;
};

} // namespace

int main() {
    try {
        bench::ProgramRun program;
        program.playingIntroMovie();
        const HideClock intro(bench::ProgramRun::introWindow());
        bench::MapWatcher watcher;
        auto mapped = std::async(std::launch::async,
                                 [&] { return watcher.waitForMap("Kelvory", std::chrono::seconds(30)); });
        program.skipToTheIntrosEnd();
        bench::waitUntil([&] { return mapped.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
                         std::chrono::seconds(30), "the rating window");
        const auto end = mapped.get();
        if (!end || !intro.hiddenAt())
            throw std::runtime_error("no hand-over");
        program.checkNoReports();
        std::printf("%.3f\n", bench::millisecondsBetween(*intro.hiddenAt(), *end));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "hand_over_bench: %s\n", failure.what());
        return 1;
    }
}
