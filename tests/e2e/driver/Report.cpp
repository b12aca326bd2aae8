#include "Report.h"

#include <cstdio>
#include <cstdlib>

void Report::line(const std::string& text) {
    std::printf("e2e: %s\n", text.c_str());
    std::fflush(stdout);
}

void Report::step(const std::string& what) {
    line("step " + what);
}

void Report::fact(const std::string& key, const std::string& value) {
    line("fact " + key + "=" + value);
}

void Report::fact(const std::string& key, long long value) {
    fact(key, std::to_string(value));
}

bool Report::check(bool ok, const std::string& what) {
    if (!ok) {
        ++failures_;
        line("FAIL " + what);
    }
    return ok;
}

void Report::require(bool ok, const std::string& what) {
    if (ok)
        return;
    check(false, what);
    line("abandoned");
    // The program may be in any state here; what matters is that the runner hears of it.
    std::_Exit(90);
}

void Report::done() {
    line(failures_ == 0 ? "done" : "done with failures");
}
