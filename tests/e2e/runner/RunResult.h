#pragma once

#include "ChildProcess.h"

#include <optional>
#include <string>
#include <vector>

// One finished run of the program, read the way the tests need it: the driver's lines on
// standard output ("e2e: fact key=value", "e2e: FAIL ...", "e2e: done") and the program's
// standard error, line by line.
class RunResult {
public:
    explicit RunResult(ChildOutcome outcome);

    const ChildOutcome& outcome() const { return outcome_; }
    bool scenarioDone() const;
    std::vector<std::string> failures() const;
    std::optional<std::string> fact(const std::string& key) const;
    long long number(const std::string& key) const; // -1 when the fact is missing

    const std::vector<std::string>& errLines() const { return errLines_; }
    // Lines the program wrote itself ("kelvory: ...").
    std::vector<std::string> programLines() const;
    // Lines that are neither the program's nor the known chatter of the toolkit in this
    // environment (see RunResult.cpp): each one is something nobody decided to say.
    std::vector<std::string> foreignLines() const;
    // Lines reported by a sanitizer or a memory checker.
    std::vector<std::string> checkerLines() const;
    int linesMentioning(const std::string& text) const;

    // Everything a failed expectation needs to show.
    std::string describe() const;

private:
    ChildOutcome outcome_;
    std::vector<std::string> outLines_;
    std::vector<std::string> errLines_;
};
