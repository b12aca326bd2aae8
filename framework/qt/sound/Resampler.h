#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace fw::qt {

// Brings interleaved 16-bit audio of one rate to the mixer's, piece by piece as it is decoded, so
// that a whole file at its own rate is never held beside its result. Linear interpolation is
// plenty for short spoken effects, and cheap.
class Resampler {
public:
    static constexpr long kMixerRate = 44100;
    // What sound cards play.
    static constexpr long kLowestRate = 4000;
    static constexpr long kHighestRate = 192000;

    // Null for a rate no sound card plays, or for other than one or two channels.
    static std::optional<Resampler> from(long rate, int channels);

    // Appends to `out` every frame at the mixer's rate that the frames so far settle. `in` holds
    // whole frames.
    void add(std::span<const std::int16_t> in, std::vector<std::int16_t>& out);
    // Appends the frames left, once the input has ended.
    void finish(std::vector<std::int16_t>& out);
    // How many frames at the mixer's rate so many frames at this one become: every frame that
    // starts within them, so that no sound, however short, becomes nothing.
    std::size_t framesFor(std::size_t frames) const;

private:
    Resampler(long rate, int channels) : rate_(static_cast<std::size_t>(rate)), channels_(channels) {}

    std::size_t rate_;
    int channels_;
    std::size_t consumed_ = 0; // input frames before the piece being added
    std::size_t produced_ = 0; // output frames made
    // The last frame of the pieces before: each output frame lies between two input frames, and
    // those may be in different pieces.
    std::array<std::int16_t, 2> last_{};
};

} // namespace fw::qt
