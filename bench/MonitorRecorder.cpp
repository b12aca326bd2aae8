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

constexpr std::uint64_t kOnsetGapFrames = kRate * MonitorRecorder::kOnsetGap.count() / 1000;

Clock::duration frameSpan(std::uint64_t frames) {
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(static_cast<double>(frames) / kRate));
}

} // namespace

MonitorRecorder::MonitorRecorder(const char* source)
    : stream_(openMonitor(source), &pa_simple_free), thread_([this] { record(); }) {}

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
        take(chunk.data(), kChunkFrames, Clock::now());
    }
}

void MonitorRecorder::take(const std::int16_t* samples, std::size_t frames, Clock::time_point returned) {
    const std::lock_guard lock(mutex_);
    const std::uint64_t first = frames_;
    frames_ += frames;
    lastRead_ = returned;
    const auto playedBy = [&](std::uint64_t frame) { return returned - frameSpan(frames_ - frame); };
    for (auto onset = onsets_.rbegin(); onset != onsets_.rend() && returned - onset->firstRead <= kSettling;
         ++onset)
        onset->at = std::min(onset->at, playedBy(onset->frame));
    for (std::size_t f = 0; f < frames; ++f) {
        bool loud = false;
        for (int c = 0; c < kChannels; ++c)
            loud = loud || std::abs(samples[f * kChannels + static_cast<std::size_t>(c)]) > kThreshold;
        if (!loud)
            continue;
        const std::uint64_t frame = first + f;
        if (!lastLoudFrame_ || frame - *lastLoudFrame_ >= kOnsetGapFrames)
            onsets_.push_back({frame, returned, playedBy(frame)});
        lastLoudFrame_ = frame;
        lastLoud_ = playedBy(frame);
    }
}

Clock::duration MonitorRecorder::quietFor() const {
    const std::lock_guard lock(mutex_);
    return frameSpan(frames_ - (lastLoudFrame_ ? *lastLoudFrame_ + 1 : 0));
}

std::optional<Clock::time_point> MonitorRecorder::lastLoud() const {
    const std::lock_guard lock(mutex_);
    return lastLoud_;
}

std::size_t MonitorRecorder::onsetCount() const {
    const std::lock_guard lock(mutex_);
    std::size_t settled = onsets_.size();
    while (settled > 0 && lastRead_ - onsets_[settled - 1].firstRead <= kSettling)
        --settled;
    return settled;
}

Clock::time_point MonitorRecorder::onset(std::size_t index) const {
    const std::lock_guard lock(mutex_);
    return onsets_.at(index).at;
}

} // namespace bench
