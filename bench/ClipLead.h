#pragma once

#include <filesystem>

namespace bench {

// How long a sound file stays below a loudness threshold from its start, as libmpg123 decodes it
// (dropping the encoder's padding, as gapless decoders do). An onset heard at a sink is that much
// after the sound's true start.
class ClipLead {
public:
    static double milliseconds(const std::filesystem::path& file, int threshold);
};

} // namespace bench
