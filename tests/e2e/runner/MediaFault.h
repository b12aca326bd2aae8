#pragma once

#include "BundleCopy.h"
#include "RunResult.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// One way the bundle's media can be damaged, what the driver does about it, and what a clear
// report of it names.
struct MediaFault {
    std::string name;
    std::function<void(const BundleCopy&)> damage;
    // The driver's media-fault scenario arguments: which verdicts to draw, whether "Exit" can
    // say goodbye.
    std::vector<std::string> scenario;
    // Each of these names is on at least one line of standard error.
    std::vector<std::string> named;
    // The driver's facts that count what met the fault, and the failed openings of a sound file.
    std::vector<std::string> metBy;
    long long failedOpenings = 0;
    bool peaksAsUndamaged = false; // its memory near an undamaged run's, whatever the damage claims

    // How many actions met the fault in the run: each may say so in one line, no more.
    long long failingActions(const RunResult& run) const;

    // Every fault the tests try.
    static const std::vector<MediaFault>& all();
};

// Its name in test listings, rather than its bytes.
void PrintTo(const MediaFault& fault, std::ostream* out);
