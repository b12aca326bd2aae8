#include "qt/sound/SoundEngine.h"

namespace fw::qt {

std::shared_ptr<const SoundClip> SoundEngine::load(const std::filesystem::path& file) {
    auto clip = std::make_shared<SoundClip>(file);
    decoding_.decode(clip);
    return clip;
}

void SoundEngine::play(const std::shared_ptr<const SoundClip>& clip) {
    mixer_.play(clip);
    output_.wake();
}

void SoundEngine::stop() {
    decoding_.stop();
    output_.stop();
}

} // namespace fw::qt
