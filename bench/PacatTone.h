#pragma once

#include "bench/Timing.h"

#include <sys/types.h>

namespace bench {

// The sound system's own player, pacat, asked for 10 ms of latency, playing a short tone whose
// first sample is already loud: the baseline for a sound's onset. The tone waits in a pipe
// before the start, so that the start is only pacat's own: its spawn, connection and stream.
class PacatTone {
public:
    PacatTone();
    // Waits for pacat to end; kills it if it has not within a few seconds.
    ~PacatTone();
    PacatTone(const PacatTone&) = delete;
    PacatTone& operator=(const PacatTone&) = delete;

    // Starts pacat and returns when it was asked to start.
    Clock::time_point start();

private:
    int pipe_[2] = {-1, -1};
    pid_t pid_ = -1;
};

} // namespace bench
