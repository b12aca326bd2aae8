#pragma once

#include <string>

// What the driver tells the test runner, one line each on standard output ("e2e: ..."), so that
// standard error holds only what the program itself said.
class Report {
public:
    static void step(const std::string& what);
    static void fact(const std::string& key, const std::string& value);
    static void fact(const std::string& key, long long value);
    // A failed check; the scenario goes on.
    static bool check(bool ok, const std::string& what);
    // A failed check after which the scenario cannot go on: the process ends at once.
    static void require(bool ok, const std::string& what);
    // The scenario reached its end.
    static void done();
    static int failures() { return failures_; }

private:
    static void line(const std::string& text);
    static inline int failures_ = 0;
};
