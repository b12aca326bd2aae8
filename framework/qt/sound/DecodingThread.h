#pragma once

#include "qt/sound/HandOff.h"
#include "qt/sound/SoundClip.h"

#include <atomic>
#include <functional>
#include <thread>

namespace fw::qt {

// One thread that decodes sound files in the order they are opened. Handing it a file neither
// locks nor waits. A file that does not decode says so in one line on standard error.
class DecodingThread {
public:
    // decoded() is called on the decoding thread each time a file is done, whether it decoded.
    explicit DecodingThread(std::function<void()> decoded);
    ~DecodingThread() { stop(); }
    DecodingThread(const DecodingThread&) = delete;
    DecodingThread& operator=(const DecodingThread&) = delete;

    void decode(std::shared_ptr<SoundClip> clip);
    // Ends the thread at once: the file it is decoding is given up, files still waiting dropped.
    void stop();

private:
    void run(const std::stop_token& stopping);
    // Whatever happens: a failure of any kind, running out of memory included, fails this clip
    // alone, and the thread goes on with the next.
    void decodeOne(SoundClip& clip, const std::stop_token& stopping);
    void wake();

    std::function<void()> decoded_;
    HandOff<SoundClip> waiting_;
    std::atomic<unsigned> handed_ = 0; // counts hand-overs, for the thread to sleep on
    std::jthread thread_;
};

} // namespace fw::qt
