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
// above kThreshold; an onset is a loud sample after at least kOnsetGap of quiet. A sample was
// played at the latest when a read returned it, less the samples that came after it up to the end
// of that read; every read within kSettling after it bounds it so. The earliest of these bounds
// places the onset. What the server says of its latency (PipeWire's PulseAudio server says it
// poorly) does not count, nor do bursts in which a server hands over many samples at once, nor
// samples that a server drops while its graph changes, away from an onset. The bound trails the
// truth by the monitor's shortest delivery, the same for every player heard, so comparisons
// between players stand.
class MonitorRecorder {
public:
    // About -60 dBFS. The sink carries exact zeros when nothing plays; the verdict clips, as
    // decoded, reach this within half a millisecond of their first sample (two begin with a
    // pause, allowed for apart), while their speech only passes 1024 some 5 ms later.
    static constexpr int kThreshold = 32;
    static constexpr std::chrono::milliseconds kOnsetGap{20};
    static constexpr std::chrono::milliseconds kSettling{100};

    explicit MonitorRecorder(const char* source);
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    // How long the monitor has been quiet, up to the last sample heard, in samples' time.
    Clock::duration quietFor() const;
    // The last loud sample heard; none before the first.
    std::optional<Clock::time_point> lastLoud() const;
    // The onsets placed for good: heard at least kSettling ago.
    std::size_t onsetCount() const;
    Clock::time_point onset(std::size_t index) const;

private:
    struct Onset {
        std::uint64_t frame;
        Clock::time_point firstRead;
        Clock::time_point at;
    };

    void record();
    void take(const std::int16_t* samples, std::size_t frames, Clock::time_point returned);

    std::unique_ptr<pa_simple, void (*)(pa_simple*)> stream_;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::uint64_t frames_ = 0;
    Clock::time_point lastRead_;
    std::optional<std::uint64_t> lastLoudFrame_;
    std::optional<Clock::time_point> lastLoud_;
    std::vector<Onset> onsets_;
    std::thread thread_;
};

} // namespace bench
