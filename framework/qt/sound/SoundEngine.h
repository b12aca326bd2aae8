#pragma once

#include "qt/sound/DecodingThread.h"
#include "qt/sound/PulseOutput.h"
#include "qt/sound/SoundClip.h"
#include "qt/sound/VoiceMixer.h"

#include <filesystem>
#include <memory>

namespace fw::qt {

// Plays short sounds without holding up the main thread: each file is decoded once on a
// decoding thread, and every sound plays through one mixer into one stream, served by a thread of
// its own (see PulseOutput). Threads and memory do not grow with the number of sounds heard.
class SoundEngine {
public:
    SoundEngine() = default;
    SoundEngine(const SoundEngine&) = delete;
    SoundEngine& operator=(const SoundEngine&) = delete;

    // Starts decoding the file and returns at once; a file that does not decode says so in one
    // line on standard error and plays nothing.
    std::shared_ptr<const SoundClip> load(const std::filesystem::path& file);
    // Returns at once, without a lock or a wait; the sound starts on the output's thread.
    void play(const std::shared_ptr<const SoundClip>& clip);
    // The program is ending: no stream is opened or closed any more (see PulseOutput).
    void freeze() { output_.freeze(); }
    // Ends the threads; the stream is closed and the server has answered when this returns.
    void stop();

private:
    VoiceMixer mixer_;
    PulseOutput output_{mixer_};
    DecodingThread decoding_{[this] { output_.wakeNow(); }}; // a sound asked for early may start now
};

} // namespace fw::qt
