#include "qt/sound/VoiceMixer.h"

#include <algorithm>
#include <cstring>

namespace fw::qt {

void VoiceMixer::play(std::shared_ptr<const SoundClip> clip) {
    requested_.put(std::make_shared<const Request>(Request{std::move(clip), Clock::now()}));
}

void VoiceMixer::clear() {
    requested_.takeAll();
    waiting_.clear();
    voices_.clear();
}

void VoiceMixer::takeRequests() {
    const Clock::time_point now = Clock::now();
    // Asked for twice before a read is the same as once.
    for (const auto& request : requested_.takeAll())
        if (now - request->asked < kStale &&
            std::find(waiting_.begin(), waiting_.end(), request->clip) == waiting_.end())
            waiting_.push_back(request->clip);
    std::erase_if(waiting_, [&](const std::shared_ptr<const SoundClip>& clip) {
        switch (clip->state()) {
        case SoundClip::State::Decoding:
            return false;
        case SoundClip::State::Ready:
            start(clip, now);
            return true;
        case SoundClip::State::Failed:
            return true;
        }
        return true;
    });
}

void VoiceMixer::start(const std::shared_ptr<const SoundClip>& clip, Clock::time_point now) {
    const auto playing =
        std::find_if(voices_.begin(), voices_.end(), [&](const Voice& voice) { return voice.clip == clip; });
    if (playing != voices_.end())
        *playing = {clip, now, 0};
    else
        voices_.push_back({clip, now, 0});
}

std::size_t VoiceMixer::mix(void* out, std::size_t frames) {
    takeRequests();
    // A sound that has not been heard from its start by now would be heard late.
    const Clock::time_point now = Clock::now();
    std::erase_if(voices_,
                  [&](const Voice& voice) { return voice.frame == 0 && now - voice.started >= kStale; });
    sum_.assign(frames * kChannels, 0);
    std::size_t voiced = 0;
    for (Voice& voice : voices_) {
        const Pcm& pcm = voice.clip->pcm();
        const auto channels = static_cast<std::size_t>(pcm.channels);
        const std::size_t count = std::min(frames, pcm.frames() - voice.frame);
        for (std::size_t f = 0; f < count; ++f) {
            const std::size_t from = (voice.frame + f) * channels;
            sum_[f * kChannels] += pcm.samples[from];
            sum_[f * kChannels + 1] += pcm.samples[from + channels - 1]; // mono to both sides
        }
        voice.frame += count;
        voiced = std::max(voiced, count);
    }
    std::erase_if(voices_, [](const Voice& voice) { return voice.frame >= voice.clip->pcm().frames(); });
    auto* data = static_cast<char*>(out);
    for (std::size_t k = 0; k < sum_.size(); ++k) {
        // The output's buffer need not be aligned for 16-bit stores.
        const auto sample = static_cast<std::int16_t>(std::clamp<std::int32_t>(sum_[k], -32768, 32767));
        std::memcpy(data + k * sizeof sample, &sample, sizeof sample);
    }
    return voiced;
}

} // namespace fw::qt
