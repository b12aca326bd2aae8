#pragma once

#include "bench/Timing.h"

#include <cstddef>
#include <functional>
#include <vector>

class QPushButton;

namespace bench {

struct Press {
    double milliseconds;
    std::size_t verdict;
    bool firstOfItsVerdict;
    // When the click began, for measurements that end outside this process.
    Clock::time_point clickedAt;
};

// Presses a rating button as a user would, each time it is back: its enabler runs (as the
// window's timer would), pending events are handled, then the click alone is timed, up to its
// return. `verdictShown` names the verdict the press put on screen, and throws if the screen does
// not show it.
class Presser {
public:
    Presser(QPushButton& button, std::size_t verdicts, std::function<void()> enable,
            std::function<std::size_t()> verdictShown);

    Press press();
    // At least `times` presses, and more until every verdict has been drawn once.
    std::vector<Press> pressEveryVerdict(int times);
    // The growth of the resident set over `times` presses, in KiB.
    long growthOver(int times);

private:
    bool drewEvery() const;

    QPushButton& button_;
    std::function<void()> enable_;
    std::function<std::size_t()> verdictShown_;
    std::vector<bool> drawn_;
};

} // namespace bench
