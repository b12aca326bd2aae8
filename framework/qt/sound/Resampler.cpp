#include "qt/sound/Resampler.h"

#include <cmath>

namespace fw::qt {

std::optional<Resampler> Resampler::from(long rate, int channels) {
    if (rate < kLowestRate || rate > kHighestRate || channels < 1 || channels > 2)
        return std::nullopt;
    return Resampler(rate, channels);
}

void Resampler::add(std::span<const std::int16_t> in, std::vector<std::int16_t>& out) {
    const auto channels = static_cast<std::size_t>(channels_);
    const std::size_t total = consumed_ + in.size() / channels;
    if (total == consumed_)
        return;
    // Frame `frame` of the input so far: the one kept from the pieces before, or one of this one.
    const auto sample = [&](std::size_t frame, std::size_t channel) -> double {
        return frame < consumed_ ? last_[channel] : in[(frame - consumed_) * channels + channel];
    };
    // In whole numbers, so that a long sound does not drift: output frame f lies at input frame
    // f * rate / kMixerRate.
    for (;; ++produced_) {
        const std::size_t scaled = produced_ * rate_;
        const std::size_t left = scaled / kMixerRate;
        if (left + 1 >= total)
            break; // its right-hand frame is still to come
        const double weight = static_cast<double>(scaled % kMixerRate) / kMixerRate;
        for (std::size_t c = 0; c < channels; ++c) {
            const double a = sample(left, c);
            out.push_back(static_cast<std::int16_t>(std::lround(a + (sample(left + 1, c) - a) * weight)));
        }
    }
    for (std::size_t c = 0; c < channels; ++c)
        last_[c] = static_cast<std::int16_t>(sample(total - 1, c));
    consumed_ = total;
}

void Resampler::finish(std::vector<std::int16_t>& out) {
    // What is left starts at the last input frame, with none after it to lean towards.
    for (const std::size_t frames = framesFor(consumed_); produced_ < frames; ++produced_)
        out.insert(out.end(), last_.begin(), last_.begin() + channels_);
}

std::size_t Resampler::framesFor(std::size_t frames) const {
    return (frames * kMixerRate + rate_ - 1) / rate_;
}

} // namespace fw::qt
