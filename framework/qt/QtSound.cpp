#include "qt/QtSound.h"

#include "qt/SoundEngine.h"

namespace fw::qt {

void QtSound::play() {
    if (const auto engine = engine_.lock())
        engine->play(clip_);
}

} // namespace fw::qt
