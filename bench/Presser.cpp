#include "bench/Presser.h"

#include "bench/Timing.h"

#include <QCoreApplication>
#include <QPushButton>
#include <algorithm>
#include <stdexcept>

namespace bench {

Presser::Presser(QPushButton& button, std::size_t verdicts, std::function<void()> enable,
                 std::function<std::size_t()> verdictShown)
    : button_(button), enable_(std::move(enable)), verdictShown_(std::move(verdictShown)), drawn_(verdicts) {}

Press Presser::press() {
    enable_();
    QCoreApplication::processEvents();
    if (!button_.isEnabled())
        throw std::runtime_error("the button did not come back");
    const auto start = Clock::now();
    button_.click();
    const auto end = Clock::now();
    if (button_.isEnabled())
        throw std::runtime_error("the press did not rate");
    const std::size_t verdict = verdictShown_();
    if (verdict >= drawn_.size())
        throw std::runtime_error("a verdict out of range");
    const bool first = !drawn_[verdict];
    drawn_[verdict] = true;
    return {millisecondsBetween(start, end), verdict, first, start};
}

std::vector<Press> Presser::pressEveryVerdict(int times) {
    std::vector<Press> presses;
    while (static_cast<int>(presses.size()) < times || !drewEvery())
        presses.push_back(press());
    return presses;
}

long Presser::growthOver(int times) {
    const long before = residentKibibytes();
    for (int i = 0; i < times; ++i)
        press();
    QCoreApplication::processEvents();
    return residentKibibytes() - before;
}

bool Presser::drewEvery() const {
    return std::all_of(drawn_.begin(), drawn_.end(), [](bool drawn) { return drawn; });
}

} // namespace bench
