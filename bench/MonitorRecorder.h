#pragma once

#include "bench/Timing.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

struct pa_simple;

namespace bench {

// Listens to a sink's monitor on a thread of its own, through the sound server's own client
// library, and keeps the times at which sound starts. A sample is loud when its magnitude is
// above kThreshold; an onset is a loud sample after at least kOnsetGap of quiet. Each sample is
// placed on the steady clock: the read's return time, less the stream's latency and the samples
// still after it in the chunk. Whatever that misses is the same for every player heard, so
// comparisons between players stand.
class MonitorRecorder {
public:
    // About -60 dBFS. The sink carries exact zeros when nothing plays; the verdict clips, as
    // decoded, reach this within half a millisecond of their first sample (two begin with a
    // pause, allowed for apart), while their speech only passes 1024 some 5 ms later.
    static constexpr int kThreshold = 32;
    static constexpr std::chrono::milliseconds kOnsetGap{20};

    explicit MonitorRecorder(const char* source);
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    // How long the monitor has been quiet, up to the last sample heard.
    Clock::duration quietFor() const;
    // The last loud sample heard; none before the first.
    std::optional<Clock::time_point> lastLoud() const;
    std::size_t onsetCount() const;
    Clock::time_point onset(std::size_t index) const;

private:
    void record();
    void take(const std::int16_t* samples, std::size_t frames, Clock::time_point chunkEnd);

    std::unique_ptr<pa_simple, void (*)(pa_simple*)> stream_;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    Clock::time_point started_;
    Clock::time_point lastHeard_;
    std::optional<Clock::time_point> lastLoud_;
    std::vector<Clock::time_point> onsets_;
    std::thread thread_;
};

} // namespace bench
