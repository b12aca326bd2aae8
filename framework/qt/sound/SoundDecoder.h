#pragma once

#include "qt/sound/SoundClip.h"

#include <filesystem>
#include <string>
#include <variant>

namespace fw::qt {

// Decodes a whole MP3 (through libmpg123) or PCM WAV file to the mixer's sample rate. Blocking:
// it runs on the sound engine's decoding thread.
class SoundDecoder {
public:
    static constexpr int kRate = 44100;
    // The audio, or why there is none.
    static std::variant<Pcm, std::string> decode(const std::filesystem::path& file);
};

} // namespace fw::qt
