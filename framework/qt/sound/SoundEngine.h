#pragma once

#include "qt/sound/DecodingThread.h"
#include "qt/sound/SoundClip.h"
#include "qt/sound/VoiceMixer.h"
#include "qt/sound/WorkerThread.h"

#include <QAudioSink>
#include <atomic>
#include <filesystem>
#include <memory>

namespace fw::qt {

// Plays short sounds without holding up the main thread: each file is decoded once on a
// decoding thread, and every sound plays through one mixer into one audio output, which runs on
// a thread of its own. Threads and memory do not grow with the number of sounds heard.
class SoundEngine {
public:
    SoundEngine();
    ~SoundEngine();
    SoundEngine(const SoundEngine&) = delete;
    SoundEngine& operator=(const SoundEngine&) = delete;

    // Starts decoding the file and returns at once; a file that does not decode says so in one
    // line on standard error and plays nothing.
    std::shared_ptr<const SoundClip> load(const std::filesystem::path& file);
    // Returns at once; the sound starts on the output thread (see VoiceMixer).
    void play(const std::shared_ptr<const SoundClip>& clip);

private:
    void openOutput();
    // Stops the output and the threads while the sound system they use is still there: at the
    // end of the run, or at the process's exit when the run never ended (as in a test).
    void stop();
    static void stopAtExit();

    VoiceMixer mixer_;
    std::unique_ptr<QAudioSink> sink_; // made, used and ended on the output thread
    std::atomic<bool> silent_ = false;
    std::atomic<bool> stopped_ = false;
    DecodingThread decoding_;
    WorkerThread output_{"sound output"};
};

} // namespace fw::qt
