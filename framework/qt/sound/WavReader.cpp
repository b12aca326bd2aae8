#include "qt/sound/WavReader.h"

#include <cstring>

namespace fw::qt {

namespace {

std::uint32_t le(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int k = size - 1; k >= 0; --k)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(k)]);
    return value;
}

struct Format {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

} // namespace

std::optional<WavAudio> WavReader::read(const std::string& bytes) {
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        return std::nullopt;
    std::optional<Format> format;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::size_t size = std::min<std::size_t>(le(bytes, at + 4, 4), bytes.size() - at - 8);
        const std::size_t body = at + 8;
        if (id == "fmt " && size >= 16 && le(bytes, body, 2) == 1) // integer PCM
            format =
                Format{static_cast<int>(le(bytes, body + 2, 2)), static_cast<int>(le(bytes, body + 4, 4)),
                       static_cast<int>(le(bytes, body + 14, 2))};
        if (id == "data" && format) {
            const Format f = *format;
            if (f.channels < 1 || f.channels > 2 || f.rate <= 0 || (f.bits != 8 && f.bits != 16))
                return std::nullopt;
            WavAudio audio{{}, f.channels, f.rate};
            const std::size_t width = static_cast<std::size_t>(f.bits / 8);
            audio.samples.reserve(size / width);
            for (std::size_t k = body; k + width <= body + size; k += width)
                audio.samples.push_back(
                    width == 1 ? static_cast<std::int16_t>((static_cast<int>(le(bytes, k, 1)) - 128) * 256)
                               : static_cast<std::int16_t>(le(bytes, k, 2)));
            return audio;
        }
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    return std::nullopt;
}

} // namespace fw::qt
