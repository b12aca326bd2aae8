#pragma once

#include <filesystem>

namespace bench {

// How long a sound file stays below a loudness threshold from its start, as the program's own
// decoder hands it to the mixer. An onset heard at a sink is that much after the sound's start.
class ClipLead {
public:
    static double milliseconds(const std::filesystem::path& file, int threshold);
};

} // namespace bench
