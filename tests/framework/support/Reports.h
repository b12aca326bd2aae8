#pragma once

#include "runtime/Runtime.h"

#include <string>
#include <string_view>
#include <vector>

// Collects the runtime's unhandled-exception reports as "Class|where|message".
class Reports {
public:
    Reports() {
        fw::RuntimeSetUnhandledExceptionObserver(
            [this](const fw::RuntimeException& e, std::string_view where) {
                lines.push_back(e.ClassName() + "|" + std::string(where) + "|" + e.Message());
            });
    }
    ~Reports() { fw::RuntimeSetUnhandledExceptionObserver({}); }
    Reports(const Reports&) = delete;
    Reports& operator=(const Reports&) = delete;

    std::vector<std::string> lines;
};
