#pragma once

#include "headless/HeadlessPlatform.h"
#include "support/TempBundle.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {
class RuntimeException;
}

// Runs the program on the headless backend from a temporary bundle, up to the point where the
// event loop would start: the intro window is up and its movie asked to play. Records every
// exception the framework reports.
class ProgramHarness {
public:
    ProgramHarness();
    fw::headless::HeadlessPlatform& platform() const;
    TempBundle& bundle() { return bundle_; }

    // Runtime, initialisers, early start-up; no framework initialisation yet.
    void startEarly();
    // The whole start-up: the intro window exists.
    void start();
    // The intro movie ends: the rating window is shown.
    void handOver();

    // "ClassName: message" of each exception reported so far.
    const std::vector<std::string>& reports() const { return *reports_; }

private:
    TempBundle bundle_;
    std::shared_ptr<std::vector<std::string>> reports_ = std::make_shared<std::vector<std::string>>();
};
