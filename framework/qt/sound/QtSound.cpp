#include "qt/sound/QtSound.h"

#include "qt/sound/SoundEngine.h"

namespace fw::qt {

void QtSound::play() {
    if (const auto engine = engine_.lock())
        engine->play(clip_);
}

} // namespace fw::qt
