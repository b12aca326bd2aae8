#include "qt/sound/Resampler.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace fw::qt::test {
namespace {

// A stereo ramp, up on the left and down on the right, fed a piece at a time: linear
// interpolation gives back the ramp at each output frame's place in it, and its last frame past it.
TEST(Resampler, BringsWhatSoundCardsPlayToTheMixersRateWholeAndRefusesTheRest) {
    for (const long rate : {1L, Resampler::kLowestRate - 1, Resampler::kHighestRate + 1})
        EXPECT_FALSE(Resampler::from(rate, 1)) << rate;
    EXPECT_FALSE(Resampler::from(44100, 0));
    EXPECT_FALSE(Resampler::from(44100, 3));
    for (const long rate : {4000L, 8000L, 22050L, 44100L, 48000L, 192000L})
        for (const std::size_t frames : {1u, 2u, 7u, 1001u})
            for (const std::size_t piece : {1u, 3u, 4096u}) {
                std::vector<std::int16_t> ramp, out;
                for (std::size_t f = 0; f < frames; ++f)
                    ramp.insert(ramp.end(),
                                {static_cast<std::int16_t>(8 * f), static_cast<std::int16_t>(-8 * f)});
                auto resampler = Resampler::from(rate, 2);
                for (std::size_t at = 0; at < frames; at += piece)
                    resampler->add(std::span(ramp).subspan(2 * at, 2 * std::min(piece, frames - at)), out);
                resampler->finish(out);
                const auto expected = static_cast<std::size_t>(std::ceil(frames * 44100.0 / rate));
                ASSERT_EQ(out.size(), 2 * expected) << rate << " Hz, " << frames << " frames";
                for (std::size_t f = 0; f < expected; ++f) {
                    const double at = 8 * std::min(f * rate / 44100.0, frames - 1.0);
                    ASSERT_NEAR(out[2 * f], at, 0.51) << rate << " Hz, frame " << f << " of " << frames;
                    ASSERT_NEAR(out[2 * f + 1], -at, 0.51) << rate << " Hz, frame " << f << " of " << frames;
                }
            }
}

} // namespace
} // namespace fw::qt::test
