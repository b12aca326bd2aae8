#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace fw::qt {

// Audio decoded to the mixer's sample rate, 16-bit, one or two interleaved channels.
struct Pcm {
    std::vector<std::int16_t> samples;
    int channels = 1;
    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(channels); }
};

// One sound file's audio, decoded once off the main thread and shared by every play of it. The
// decoder fills it exactly once; the mixer reads it only after it says Ready.
class SoundClip {
public:
    enum class State { Decoding, Ready, Failed };

    explicit SoundClip(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& file() const { return file_; }
    State state() const { return state_.load(std::memory_order_acquire); }
    // Valid once state() is Ready.
    const Pcm& pcm() const { return pcm_; }

    void finish(Pcm pcm) {
        pcm_ = std::move(pcm);
        state_.store(State::Ready, std::memory_order_release);
    }
    void fail() { state_.store(State::Failed, std::memory_order_release); }

private:
    std::filesystem::path file_;
    Pcm pcm_;
    std::atomic<State> state_ = State::Decoding;
};

} // namespace fw::qt
