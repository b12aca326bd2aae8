#pragma once

#include <array>
#include <memory>

namespace fw {
class Sound;
}

// One verdict: its text and the accessor of its sound. Text k and sound k always go together.
struct Verdict {
    const char* text;
    std::shared_ptr<fw::Sound> (*sound)();
};

extern const std::array<Verdict, 22> kVerdicts;
