#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fw::qt {

// The samples of a RIFF WAVE file holding 8- or 16-bit integer PCM.
struct WavAudio {
    std::vector<std::int16_t> samples; // interleaved
    int channels = 0;
    int rate = 0;
};

class WavReader {
public:
    // Null when the bytes are not such a file.
    static std::optional<WavAudio> read(const std::string& bytes);
};

} // namespace fw::qt
