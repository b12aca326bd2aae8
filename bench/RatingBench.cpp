// Presses "Rate Me" on the program's real rating window (Qt backend, in this process) and times
// each press from click() until it returns with the verdict shown; then the same for a bare Qt
// button that only sets a label. Also reads the resident set size with the rating window up and
// after many presses. Prints "key value" lines for run.sh.
#include "bench/ProgramRun.h"
#include "bench/Timing.h"
#include "bench/WaitUntil.h"
#include "ui/DesktopButton.h"
#include "ui/DesktopLabel.h"
#include "ui/Timer.h"
#include "windows/rating/Verdicts.h"
#include "windows/rating/WinMain.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <stdexcept>

namespace {

constexpr int kTimedPresses = 1000;
constexpr int kGrowthPresses = 10000;

struct Press {
    double milliseconds;
    std::size_t verdict;
    bool firstOfItsSound;
};

// One press: the button is enabled again as its timer would, pending events are handled, then
// the click is timed. `verdictShown` says which verdict the press showed, and checks it is on screen.
class Presser {
public:
    Presser(QPushButton& button, std::function<void()> enable, std::function<std::size_t()> verdictShown)
        : button_(button), enable_(std::move(enable)), verdictShown_(std::move(verdictShown)) {}

    Press press() {
        enable_();
        QCoreApplication::processEvents();
        if (!button_.isEnabled())
            throw std::runtime_error("the button did not come back");
        const auto start = bench::Clock::now();
        button_.click();
        const auto end = bench::Clock::now();
        if (button_.isEnabled())
            throw std::runtime_error("the press did not rate");
        const std::size_t verdict = verdictShown_();
        const bool first = !played_[verdict];
        played_[verdict] = true;
        return {bench::millisecondsBetween(start, end), verdict, first};
    }

    std::vector<Press> press(int times) {
        std::vector<Press> presses;
        for (int i = 0; i < times; ++i)
            presses.push_back(press());
        return presses;
    }

    bool playedEvery() const {
        return std::all_of(played_.begin(), played_.end(), [](bool played) { return played; });
    }

private:
    QPushButton& button_;
    std::function<void()> enable_;
    std::function<std::size_t()> verdictShown_;
    std::array<bool, kVerdicts.size()> played_{};
};

std::size_t verdictIndex(const QString& text) {
    for (std::size_t k = 0; k < kVerdicts.size(); ++k)
        if (text == QString::fromUtf8(kVerdicts[k].text))
            return k;
    throw std::runtime_error("not a verdict: " + text.toStdString());
}

template <class T> T& childOf(QWidget& window, const QString& name, const QString& text = {}) {
    for (T* child : window.findChildren<T*>())
        if (child->objectName() == name || (!text.isEmpty() && child->text() == text))
            return *child;
    throw std::runtime_error("no widget " + name.toStdString());
}

void printPresses(const char* who, const std::vector<Press>& presses) {
    std::vector<double> all;
    for (const Press& press : presses)
        all.push_back(press.milliseconds);
    std::printf("%s_presses %zu\n", who, presses.size());
    std::printf("%s_median_ms %.4f\n", who, bench::median(all));
    std::printf("%s_p99_ms %.4f\n", who, bench::quantile(all, 0.99));
    const auto worst = std::max_element(presses.begin(), presses.end(),
                                        [](const Press& a, const Press& b) { return a.milliseconds < b.milliseconds; });
    std::printf("%s_worst_ms %.4f\n", who, worst->milliseconds);
    std::printf("%s_worst_verdict R%zu\n", who, worst->verdict);
    std::printf("%s_worst_is_first %s\n", who, worst->firstOfItsSound ? "yes" : "no");
    double firstWorst = 0;
    double againWorst = 0;
    for (const Press& press : presses) {
        double& worstOfKind = press.firstOfItsSound ? firstWorst : againWorst;
        worstOfKind = std::max(worstOfKind, press.milliseconds);
    }
    std::printf("%s_first_worst_ms %.4f\n", who, firstWorst);
    std::printf("%s_again_worst_ms %.4f\n", who, againWorst);
}

// The baseline: a Qt button whose click only disables it and sets a label to a random verdict.
void benchBareButton() {
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(675, 552);
    auto* layout = new QVBoxLayout(&window);
    auto* button = new QPushButton(QStringLiteral("Rate Me"));
    auto* result = new QLabel;
    layout->addWidget(button);
    layout->addWidget(result);
    QObject::connect(button, &QPushButton::clicked, result, [&] {
        button->setEnabled(false);
        const auto k = QRandomGenerator::global()->bounded(static_cast<int>(kVerdicts.size()));
        result->setText(QString::fromUtf8(kVerdicts[static_cast<std::size_t>(k)].text));
    });
    window.show();
    bench::waitUntil([&] { return window.isVisible(); }, std::chrono::seconds(10), "the bare window");
    Presser presser(*button, [&] { button->setEnabled(true); }, [&] { return verdictIndex(result->text()); });
    printPresses("bare", presser.press(kTimedPresses));
    const long before = bench::residentKibibytes();
    presser.press(kGrowthPresses);
    QApplication::processEvents();
    std::printf("bare_rss_growth_kib %ld\n", bench::residentKibibytes() - before);
}

// The program's rating window: presses, then memory; the baseline runs in the same process.
void benchProgram() {
    bench::ProgramRun program;
    program.handOver();
    QWidget& window = bench::ProgramRun::ratingWindow();
    auto& button = childOf<QPushButton>(window, QStringLiteral("btn_RateMe"), QStringLiteral("Rate Me"));
    auto& result = childOf<QLabel>(window, QStringLiteral("lbl_result"));
    const auto rating = implicit::WinMain();
    Presser presser(
        button, [&] { rating->Timer1_Action(rating->Timer1()); },
        [&] {
            const QString shown = QString::fromStdString(rating->lbl_result()->Text());
            if (result.text() != shown)
                throw std::runtime_error("the label does not show the verdict");
            return verdictIndex(shown);
        });
    // The window as the user first sees it: drawn, with nothing left pending.
    QApplication::processEvents();
    std::printf("program_rss_window_kib %ld\n", bench::residentKibibytes());

    std::vector<Press> presses = presser.press(kTimedPresses);
    while (!presser.playedEvery())
        presses.push_back(presser.press());
    printPresses("program", presses);
    program.checkNoReports();

    const long before = bench::residentKibibytes();
    presser.press(kGrowthPresses);
    QApplication::processEvents();
    std::printf("program_rss_growth_kib %ld\n", bench::residentKibibytes() - before);
    program.checkNoReports();

    benchBareButton();
}

} // namespace

int main() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    try {
        benchProgram();
        std::fflush(stdout);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "rating_bench: %s\n", failure.what());
        return 1;
    }
}
