#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace fw::qt {

// Reads the samples of a RIFF WAVE file holding 8- or 16-bit integer PCM, in place from the
// file's bytes and a piece at a time, so that they are never all held twice.
class WavReader {
public:
    // Null when the bytes are not such a file. The bytes must outlive the reader.
    static std::optional<WavReader> open(std::string_view bytes);

    int channels() const { return channels_; }
    long rate() const { return rate_; }
    // The frames not read yet.
    std::size_t frames() const { return data_.size() / frameBytes(); }
    // The next frames, at most `most` of them, as interleaved 16-bit samples in place of what
    // `samples` held; empty once all are read.
    void read(std::size_t most, std::vector<std::int16_t>& samples);

private:
    WavReader(std::string_view data, int channels, long rate, int bits);
    std::size_t frameBytes() const { return static_cast<std::size_t>(channels_ * bits_ / 8); }

    std::string_view data_;
    int channels_;
    long rate_;
    int bits_;
};

} // namespace fw::qt
