#pragma once

#include "qt/sound/HandOff.h"
#include "qt/sound/SoundClip.h"

#include <atomic>
#include <thread>

namespace fw::qt {

// One thread that decodes sound files in the order they are opened. Handing it a file neither
// locks nor waits. A file that does not decode says so in one line on standard error.
class DecodingThread {
public:
    DecodingThread();
    ~DecodingThread() { stop(); }
    DecodingThread(const DecodingThread&) = delete;
    DecodingThread& operator=(const DecodingThread&) = delete;

    void decode(std::shared_ptr<SoundClip> clip);
    // Ends the thread once the file it is decoding is done; files still waiting are dropped.
    void stop();

private:
    void run(const std::stop_token& stopping);
    void wake();

    HandOff<SoundClip> waiting_;
    std::atomic<unsigned> handed_ = 0; // counts hand-overs, for the thread to sleep on
    std::jthread thread_;
};

} // namespace fw::qt
