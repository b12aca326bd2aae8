// Measures the program's sounds from outside: at the sound server, and through /proc.
//   Onset: the time from a "Rate Me" click to the first loud sample of its verdict's sound at the
//   null sink's monitor, the sink quiet before each press; a quarter of the presses, the first
//   among them, after 3 s of quiet, the others soon after the previous sound. The baseline is
//   pacat started at the press moment, heard by the same recorder.
//   Quiet: CPU ticks and context switches of this process over 10 s with the rating window up
//   and no sound played yet, then over 10 s starting 2 s after the last sound has ended.
//   Restart: given the sound server's script, folder and kind (sound_bench SCRIPT DIR KIND), the
//   server is restarted, then the onset of the first press after it; and restarted again, then
//   the onset of pacat's first tone after it.
// Prints "key value" lines for run.sh.
#include "bench/ClipLead.h"
#include "bench/MonitorRecorder.h"
#include "bench/PacatTone.h"
#include "bench/Presser.h"
#include "bench/ProcessActivity.h"
#include "bench/ProgramRun.h"
#include "bench/RatingControls.h"
#include "bench/Timing.h"
#include "bench/WaitUntil.h"
#include "ui/Timer.h"
#include "windows/rating/Verdicts.h"
#include "windows/rating/WinMain.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using bench::Clock;
using namespace std::chrono_literals;

constexpr int kPresses = 24;
// Every fourth press, the first included, comes after a long quiet: a player may have let its
// stream go by then.
constexpr int kLongQuietEvery = 4;
constexpr auto kLongQuiet = 3s;
constexpr auto kShortQuiet = 250ms;
// The longest clip is 3.4 s: quiet must come well within this.
constexpr auto kQuietPatience = 15s;
constexpr auto kOnsetPatience = 3s;
constexpr auto kQuietSpan = 10s;
// A player may keep its stream a while after its last sound; the idle window starts after that.
constexpr auto kAfterLastSound = 2s;

struct Onsets {
    std::vector<double> all;
    std::vector<double> afterLongQuiet;
    int missing = 0;
};

struct Activity {
    long ticks;
    double switchesPerSecond;
    long threadsEnded;
};

// The event loop left alone until `until`: one timer, nothing else of ours wakes.
void idleUntil(Clock::time_point until) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
    if (left <= 0ms)
        return;
    QEventLoop loop;
    QTimer::singleShot(left, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

Activity quietWindow() {
    const auto before = bench::ProcessActivity::now();
    idleUntil(Clock::now() + kQuietSpan);
    const auto after = bench::ProcessActivity::now();
    return {after.ticksSince(before),
            static_cast<double>(after.switchesSince(before)) /
                std::chrono::duration<double>(kQuietSpan).count(),
            after.threadsEndedSince(before)};
}

void waitForQuiet(const bench::MonitorRecorder& recorder, Clock::duration quiet) {
    bench::waitUntil([&] { return recorder.quietFor() >= quiet; }, kQuietPatience, "a quiet sink");
}

// The onset after `before` onsets, in ms from `start`, less the sound's own lead; none if nothing
// was heard in time.
std::optional<double> onsetAfter(const bench::MonitorRecorder& recorder, std::size_t before,
                                 Clock::time_point start, double leadMs) {
    const auto deadline = start + kOnsetPatience;
    bench::waitUntil([&] { return recorder.onsetCount() > before || Clock::now() > deadline; },
                     kOnsetPatience + 5s, "an onset");
    if (recorder.onsetCount() <= before)
        return std::nullopt;
    return bench::millisecondsBetween(start, recorder.onset(before)) - leadMs;
}

void note(Onsets& onsets, std::optional<double> onset, bool afterLongQuiet) {
    if (!onset) {
        ++onsets.missing;
        return;
    }
    onsets.all.push_back(*onset);
    if (afterLongQuiet)
        onsets.afterLongQuiet.push_back(*onset);
}

Onsets pacatOnsets(const bench::MonitorRecorder& recorder) {
    Onsets onsets;
    for (int run = 0; run < kPresses; ++run) {
        const bool longQuiet = run % kLongQuietEvery == 0;
        waitForQuiet(recorder, longQuiet ? Clock::duration(kLongQuiet) : Clock::duration(kShortQuiet));
        bench::PacatTone tone;
        const std::size_t before = recorder.onsetCount();
        note(onsets, onsetAfter(recorder, before, tone.start(), 0.0), longQuiet);
        waitForQuiet(recorder, kShortQuiet);
    }
    return onsets;
}

Onsets programOnsets(const bench::MonitorRecorder& recorder, bench::Presser& presser,
                     const std::vector<double>& leads) {
    Onsets onsets;
    for (int press = 0; press < kPresses; ++press) {
        const bool longQuiet = press % kLongQuietEvery == 0;
        waitForQuiet(recorder, longQuiet ? Clock::duration(kLongQuiet) : Clock::duration(kShortQuiet));
        const std::size_t before = recorder.onsetCount();
        const bench::Press pressed = presser.press();
        const auto onset = onsetAfter(recorder, before, pressed.clickedAt, leads.at(pressed.verdict));
        // Each press in the log, so that a slow one can be told apart: first after quiet, or not.
        std::fprintf(stderr, "sound_bench: press %d, R%zu, after %s quiet: %.1f ms%s\n", press + 1,
                     pressed.verdict, longQuiet ? "long" : "short", onset.value_or(-1.0),
                     onset ? "" : " (not heard)");
        note(onsets, onset, longQuiet);
    }
    return onsets;
}

void report(const char* who, const Onsets& onsets) {
    const auto worst = [](const std::vector<double>& v) {
        return v.empty() ? -1.0 : bench::quantile(v, 1.0);
    };
    std::printf("onset_%s_runs %zu\n", who, onsets.all.size() + static_cast<std::size_t>(onsets.missing));
    std::printf("onset_%s_missing %d\n", who, onsets.missing);
    std::printf("onset_%s_median_ms %.2f\n", who, onsets.all.empty() ? -1.0 : bench::median(onsets.all));
    std::printf("onset_%s_worst_ms %.2f\n", who, worst(onsets.all));
    std::printf("onset_%s_long_quiet_runs %zu\n", who, onsets.afterLongQuiet.size());
    std::printf("onset_%s_long_quiet_worst_ms %.2f\n", who, worst(onsets.afterLongQuiet));
}

void report(const char* which, const Activity& activity) {
    std::printf("quiet_%s_ticks %ld\n", which, activity.ticks);
    std::printf("quiet_%s_wakeups_per_s %.2f\n", which, activity.switchesPerSecond);
    std::printf("quiet_%s_threads_ended %ld\n", which, activity.threadsEnded);
}

// The sound server as run.sh started it, ended and started again, or nothing when not given.
struct ServerRestart {
    std::string script, dir, kind;

    void operator()() const {
        const std::string again =
            "'" + script + "' stop '" + dir + "' && '" + script + "' start '" + dir + "' " + kind + " >&2";
        if (std::system(again.c_str()) != 0)
            throw std::runtime_error("cannot restart the sound server");
    }
};

// The onsets of the first sound after a restart of the server: the program's press, then pacat's.
void reportRestart(const ServerRestart& restart, bench::Presser& presser, const std::vector<double>& leads) {
    restart();
    {
        const bench::MonitorRecorder recorder("null.monitor");
        waitForQuiet(recorder, kLongQuiet);
        const bench::Press pressed = presser.press();
        const auto onset = onsetAfter(recorder, 0, pressed.clickedAt, leads.at(pressed.verdict));
        std::printf("restart_program_ms %.2f\n", onset.value_or(-1.0));
        waitForQuiet(recorder, kShortQuiet);
    }
    restart();
    const bench::MonitorRecorder recorder("null.monitor");
    waitForQuiet(recorder, kLongQuiet);
    bench::PacatTone tone;
    std::printf("restart_pacat_ms %.2f\n", onsetAfter(recorder, 0, tone.start(), 0.0).value_or(-1.0));
}

// Each verdict's lead: how long its clip itself stays below the recorder's threshold.
std::vector<double> verdictLeads() {
    const auto resources =
        std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "Resources";
    std::vector<double> leads;
    for (std::size_t k = 0; k < kVerdicts.size(); ++k) {
        const auto file = resources / ("R" + std::to_string(k) + ".mp3");
        leads.push_back(bench::ClipLead::milliseconds(file, bench::MonitorRecorder::kThreshold));
        std::fprintf(stderr, "sound_bench: %s stays quiet for its first %.1f ms\n", file.filename().c_str(),
                     leads.back());
    }
    return leads;
}

void benchSound(const std::optional<ServerRestart>& restart) {
    const std::vector<double> leads = verdictLeads();
    bench::ProgramRun program;
    program.waitForHandOver();
    QWidget& window = bench::ProgramRun::ratingWindow();
    auto& button = bench::childNamed<QPushButton>(window, QStringLiteral("btn_RateMe"));
    auto& result = bench::childNamed<QLabel>(window, QStringLiteral("lbl_result"));
    const auto rating = implicit::WinMain();
    bench::Presser presser(
        button, kVerdicts.size(), [&] { rating->Timer1_Action(rating->Timer1()); },
        [&] { return bench::verdictIndex(result.text()); });
    // The window as the user first sees it, the movie's pipeline wound down.
    QApplication::processEvents();
    idleUntil(Clock::now() + 1s);
    const Activity beforeAnySound = quietWindow();

    Clock::time_point lastSoundEnded;
    {
        const bench::MonitorRecorder recorder("null.monitor");
        report("pacat", pacatOnsets(recorder));
        report("program", programOnsets(recorder, presser, leads));
        waitForQuiet(recorder, 500ms);
        lastSoundEnded = recorder.lastLoud().value_or(Clock::now());
    }
    idleUntil(lastSoundEnded + kAfterLastSound);
    const Activity afterSounds = quietWindow();
    report("window", beforeAnySound);
    report("after", afterSounds);
    std::printf("quiet_seconds %.0f\n", std::chrono::duration<double>(kQuietSpan).count());
    if (restart)
        reportRestart(*restart, presser, leads);
    program.checkNoReports();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::optional<ServerRestart> restart;
    if (argc == 4)
        restart = ServerRestart{argv[1], argv[2], argv[3]};
    try {
        benchSound(restart);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "sound_bench: %s\n", failure.what());
        return 1;
    }
}
