#pragma once

#include "platform/NativeMedia.h"
#include "qt/sound/SoundClip.h"

#include <memory>

namespace fw::qt {

class SoundEngine;

// A sound file, decoded by the sound engine from the moment it is opened.
class QtSound final : public platform::NativeSound {
public:
    QtSound(std::shared_ptr<const SoundClip> clip, std::weak_ptr<SoundEngine> engine)
        : clip_(std::move(clip)), engine_(std::move(engine)) {}

    void play() override;

private:
    std::shared_ptr<const SoundClip> clip_;
    std::weak_ptr<SoundEngine> engine_; // gone once the application has ended
};

} // namespace fw::qt
