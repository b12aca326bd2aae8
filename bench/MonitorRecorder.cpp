#include "bench/MonitorRecorder.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <stdexcept>
#include <string>

namespace bench {

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
// Small reads, so that a chunk's return time says much about when its samples came.
constexpr std::size_t kChunkFrames = kRate * 5 / 1000;

pa_simple* openMonitor(const char* source) {
    const pa_sample_spec spec{PA_SAMPLE_S16LE, kRate, kChannels};
    pa_buffer_attr attributes{};
    attributes.maxlength = static_cast<std::uint32_t>(-1);
    attributes.fragsize = static_cast<std::uint32_t>(kChunkFrames * kChannels * sizeof(std::int16_t));
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "kelvory-bench", PA_STREAM_RECORD, source, "monitor", &spec,
                                      nullptr, &attributes, &error);
    if (!stream)
        throw std::runtime_error(std::string("cannot listen to ") + source + ": " + pa_strerror(error));
    return stream;
}

Clock::duration frameSpan(std::size_t frames) {
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(static_cast<double>(frames) / kRate));
}

} // namespace

MonitorRecorder::MonitorRecorder(const char* source)
    : stream_(openMonitor(source), &pa_simple_free), started_(Clock::now()), lastHeard_(started_),
      thread_([this] { record(); }) {}

MonitorRecorder::~MonitorRecorder() {
    stopping_ = true;
    thread_.join();
}

void MonitorRecorder::record() {
    std::array<std::int16_t, kChunkFrames * kChannels> chunk{};
    while (!stopping_) {
        int error = 0;
        if (pa_simple_read(stream_.get(), chunk.data(), sizeof chunk, &error) < 0) {
            std::fprintf(stderr, "monitor: %s\n", pa_strerror(error));
            std::abort();
        }
        const auto returned = Clock::now();
        // The next sample to be read came this long ago; the chunk ends just before it.
        pa_usec_t latency = pa_simple_get_latency(stream_.get(), &error);
        if (latency == static_cast<pa_usec_t>(-1))
            latency = 0;
        take(chunk.data(), kChunkFrames, returned - std::chrono::microseconds(latency));
    }
}

void MonitorRecorder::take(const std::int16_t* samples, std::size_t frames, Clock::time_point chunkEnd) {
    const std::lock_guard lock(mutex_);
    for (std::size_t f = 0; f < frames; ++f) {
        bool loud = false;
        for (int c = 0; c < kChannels; ++c)
            loud = loud || std::abs(samples[f * kChannels + static_cast<std::size_t>(c)]) > kThreshold;
        if (!loud)
            continue;
        const Clock::time_point at = chunkEnd - frameSpan(frames - f);
        if (!lastLoud_ || at - *lastLoud_ >= kOnsetGap)
            onsets_.push_back(at);
        lastLoud_ = at;
    }
    lastHeard_ = chunkEnd;
}

Clock::duration MonitorRecorder::quietFor() const {
    const std::lock_guard lock(mutex_);
    return lastHeard_ - lastLoud_.value_or(started_);
}

std::optional<Clock::time_point> MonitorRecorder::lastLoud() const {
    const std::lock_guard lock(mutex_);
    return lastLoud_;
}

std::size_t MonitorRecorder::onsetCount() const {
    const std::lock_guard lock(mutex_);
    return onsets_.size();
}

Clock::time_point MonitorRecorder::onset(std::size_t index) const {
    const std::lock_guard lock(mutex_);
    return onsets_.at(index);
}

} // namespace bench
