#include "qt/sound/WavReader.h"

namespace fw::qt {

namespace {

std::uint32_t le(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int k = size - 1; k >= 0; --k)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(k)]);
    return value;
}

} // namespace

WavReader::WavReader(std::string_view data, int channels, long rate, int bits)
    : data_(data), channels_(channels), rate_(rate), bits_(bits) {
    data_.remove_suffix(data_.size() % frameBytes()); // a frame cut short is no sound
}

std::optional<WavReader> WavReader::open(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<std::string_view> format;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = std::min<std::size_t>(le(bytes, at + 4, 4), bytes.size() - at - 8);
        const std::string_view body = bytes.substr(at + 8, size);
        if (id == "fmt " && size >= 16 && le(body, 0, 2) == 1) // integer PCM
            format = body;
        if (id == "data" && format) {
            const auto channels = static_cast<int>(le(*format, 2, 2));
            const int bits = static_cast<int>(le(*format, 14, 2));
            if (channels < 1 || (bits != 8 && bits != 16))
                return std::nullopt;
            return WavReader(body, channels, static_cast<long>(le(*format, 4, 4)), bits);
        }
        at += 8 + size + (size & 1); // chunks are padded to an even length
    }
    return std::nullopt;
}

void WavReader::read(std::size_t most, std::vector<std::int16_t>& samples) {
    const std::string_view piece = data_.substr(0, std::min(most, frames()) * frameBytes());
    data_.remove_prefix(piece.size());
    samples.clear();
    if (bits_ == 8) {
        for (const char byte : piece)
            samples.push_back(static_cast<std::int16_t>((static_cast<unsigned char>(byte) - 128) * 256));
    } else {
        for (std::size_t k = 0; k + 1 < piece.size(); k += 2)
            samples.push_back(static_cast<std::int16_t>(le(piece, k, 2)));
    }
}

} // namespace fw::qt
