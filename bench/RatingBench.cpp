// Presses "Rate Me" on the program's real rating window (Qt backend, in this process) and times
// each press from click() until it returns with the verdict shown, its sound asked for; then the
// same for a bare Qt button that only sets a label. Also reads the threads and the resident set
// size after the hand-over and once every sound has played, and across many presses. Prints
// "key value" lines for run.sh. With --presses-only, only the timed presses (run.sh runs it so
// while every core is kept busy).
#include "bench/Presser.h"
#include "bench/ProgramRun.h"
#include "bench/RatingControls.h"
#include "bench/Timing.h"
#include "bench/WaitUntil.h"
#include "media/MediaAccessors.h"
#include "media/Sound.h"
#include "ui/DesktopLabel.h"
#include "ui/Timer.h"
#include "windows/rating/Verdicts.h"
#include "windows/rating/WinMain.h"

#include <QApplication>
#include <QAudioDevice>
#include <QLabel>
#include <QMediaDevices>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {

using bench::Press;
using bench::Presser;

constexpr int kTimedPresses = 1000;
constexpr int kMemoryPresses = 10000;
// Longer than the longest sound, so that every one started has ended.
constexpr std::chrono::milliseconds kSoundsOver{4000};

// Lets the event loop run for a while, as a user's idle moment.
void idleFor(std::chrono::milliseconds span) {
    const auto until = bench::Clock::now() + span;
    bench::waitUntil([&] { return bench::Clock::now() >= until; }, span + std::chrono::seconds(5), "idling");
}

void report(const char* who, const std::vector<Press>& presses) {
    std::vector<double> all;
    std::vector<double> firstPlays;
    double replayWorst = 0;
    for (const Press& press : presses) {
        all.push_back(press.milliseconds);
        if (press.firstOfItsVerdict)
            firstPlays.push_back(press.milliseconds);
        else
            replayWorst = std::max(replayWorst, press.milliseconds);
    }
    const Press& worst =
        *std::max_element(presses.begin(), presses.end(),
                          [](const Press& a, const Press& b) { return a.milliseconds < b.milliseconds; });
    std::printf("%s_presses %zu\n", who, presses.size());
    std::printf("%s_median_ms %.4f\n", who, bench::median(all));
    std::printf("%s_p99_ms %.4f\n", who, bench::quantile(all, 0.99));
    std::printf("%s_worst_ms %.4f\n", who, worst.milliseconds);
    std::printf("%s_worst_sound R%zu\n", who, worst.verdict);
    std::printf("%s_worst_is_first_play %s\n", who, worst.firstOfItsVerdict ? "yes" : "no");
    std::printf("%s_first_play_median_ms %.4f\n", who, bench::median(firstPlays));
    std::printf("%s_first_play_worst_ms %.4f\n", who, bench::quantile(firstPlays, 1.0));
    std::printf("%s_replay_worst_ms %.4f\n", who, replayWorst);
}

// Memory across presses, once the first ones are over: the first 10,000 may still fill caches
// and allocator pools; the next 10,000 show what each press keeps.
void reportGrowth(const char* who, Presser& presser) {
    std::printf("%s_rss_settling_kib %ld\n", who, presser.growthOver(kMemoryPresses));
    std::printf("%s_rss_growth_kib %ld\n", who, presser.growthOver(kMemoryPresses));
}

// The baseline: a Qt button whose click only disables it and sets a label to a random verdict.
void benchBareButton(bool pressesOnly) {
    QWidget window;
    window.resize(675, 552);
    auto* layout = new QVBoxLayout(&window);
    auto* button = new QPushButton(QStringLiteral("Rate Me"));
    auto* result = new QLabel;
    layout->addWidget(button);
    layout->addWidget(result);
    QObject::connect(button, &QPushButton::clicked, result, [&] {
        button->setEnabled(false);
        const auto k = static_cast<std::size_t>(QRandomGenerator::global()->bounded(int{kVerdicts.size()}));
        result->setText(QString::fromUtf8(kVerdicts[k].text));
    });
    window.show();
    bench::waitUntil([&] { return window.isVisible(); }, std::chrono::seconds(10), "the bare window");
    Presser presser(
        *button, kVerdicts.size(), [&] { button->setEnabled(true); },
        [&] { return bench::verdictIndex(result->text()); });
    report("bare", presser.pressEveryVerdict(kTimedPresses));
    if (!pressesOnly)
        reportGrowth("bare", presser);
}

// The program from its start: the intro plays, the rating window comes; its presses, threads and
// memory. The baseline runs afterwards in the same process.
void benchProgram(bool pressesOnly) {
    bench::ProgramRun program;
    program.waitForHandOver();
    QWidget& window = bench::ProgramRun::ratingWindow();
    auto& button = bench::childNamed<QPushButton>(window, QStringLiteral("btn_RateMe"));
    auto& result = bench::childNamed<QLabel>(window, QStringLiteral("lbl_result"));
    if (button.text() != QStringLiteral("Rate Me"))
        throw std::runtime_error("btn_RateMe does not say Rate Me");
    const auto rating = implicit::WinMain();
    Presser presser(
        button, kVerdicts.size(), [&] { rating->Timer1_Action(rating->Timer1()); },
        [&] {
            const QString shown = QString::fromStdString(rating->lbl_result()->Text());
            if (result.text() != shown)
                throw std::runtime_error("the label does not show the verdict");
            return bench::verdictIndex(shown);
        });
    // The window as the user first sees it: drawn, with nothing left pending.
    QApplication::processEvents();
    if (!pressesOnly) {
        std::printf("audio_outputs %lld\n", static_cast<long long>(QMediaDevices::audioOutputs().size()));
        std::printf("program_rss_window_kib %ld\n", bench::residentKibibytes());
    }
    // No user presses in the first half second: by then the movie's pipeline has wound down.
    idleFor(std::chrono::milliseconds(500));
    if (!pressesOnly)
        std::printf("program_threads_handover %ld\n", bench::threadCount());

    report("program", presser.pressEveryVerdict(kTimedPresses));
    if (!pressesOnly) {
        // Every verdict's sound has played; the farewell's is the last of them.
        nice()->Play();
        idleFor(kSoundsOver);
        std::printf("program_threads_all_sounds %ld\n", bench::threadCount());
        std::printf("program_rss_all_sounds_kib %ld\n", bench::residentKibibytes());
        reportGrowth("program", presser);
    }
    program.checkNoReports();

    benchBareButton(pressesOnly);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    try {
        benchProgram(argc > 1 && std::strcmp(argv[1], "--presses-only") == 0);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "rating_bench: %s\n", failure.what());
        return 1;
    }
}
