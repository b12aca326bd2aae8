#pragma once

#include "qt/sound/Resampler.h"
#include "qt/sound/SoundClip.h"

#include <cstdint>
#include <filesystem>
#include <stop_token>
#include <string>
#include <variant>

namespace fw::qt {

// Decodes a whole MP3 (through libmpg123) or PCM WAV file to the mixer's sample rate. Blocking:
// it runs on the sound engine's decoding thread. Whatever a file claims, what it takes is bounded:
// a file larger than a sound effect needs is not read, and a decode longer than one is given up
// as soon as it is.
class SoundDecoder {
public:
    static constexpr int kRate = Resampler::kMixerRate;
    // Minutes of MP3, most of a minute of WAVE at CD quality.
    static constexpr std::uintmax_t kLargestFile = 8u << 20;
    static constexpr std::size_t kLongestFrames = 2 * 60 * kRate;

    // The audio, or why there is none. Once `stop` is requested it gives up at once.
    static std::variant<Pcm, std::string> decode(const std::filesystem::path& file,
                                                 const std::stop_token& stop = {});
};

} // namespace fw::qt
