#pragma once

#include "qt/sound/HandOff.h"
#include "qt/sound/SoundClip.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace fw::qt {

// Adds up the sounds playing at one moment into the one stream they share. play() only queues
// the request, from any thread; the rest runs on the output's thread. A sound asked for again
// while it plays starts over; a sound asked for before its decoding is done starts when its
// audio is ready; one that failed is dropped. A sound that could not start within a moment of
// being asked for (the sound server took nothing meanwhile) is dropped too: a burst of stale
// sounds when the server resumes would be worse than silence.
class VoiceMixer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kChannels = 2;
    static constexpr std::size_t kFrameBytes = kChannels * sizeof(std::int16_t);
    static constexpr Clock::duration kStale = std::chrono::seconds(1);

    void play(std::shared_ptr<const SoundClip> clip);

    // Takes the requests made since; a sound whose audio is ready starts playing.
    void takeRequests();
    bool playing() const { return !voices_.empty(); }
    // Nothing plays, and nothing waits for its audio.
    bool idle() const { return voices_.empty() && waiting_.empty(); }
    // The next frames, 16-bit interleaved stereo; silence where nothing plays. Returns how many of
    // them hold sound: after those, every sound has ended.
    std::size_t mix(void* out, std::size_t frames);
    // Forgets every sound asked for or playing, so that none piles up while nothing can be heard.
    void clear();

private:
    struct Request {
        std::shared_ptr<const SoundClip> clip;
        Clock::time_point asked;
    };
    struct Voice {
        std::shared_ptr<const SoundClip> clip;
        Clock::time_point started;
        std::size_t frame = 0;
    };

    void start(const std::shared_ptr<const SoundClip>& clip, Clock::time_point now);

    HandOff<const Request> requested_;
    // Only on the output's thread:
    std::vector<std::shared_ptr<const SoundClip>> waiting_; // asked for, still decoding
    std::vector<Voice> voices_;
    std::vector<std::int32_t> sum_;
};

} // namespace fw::qt
