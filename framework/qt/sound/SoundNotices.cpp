#include "qt/sound/SoundNotices.h"

#include <atomic>
#include <cstdio>

namespace fw::qt {

namespace {

void sayOnce(std::atomic<bool>& told, const char* line) {
    if (!told.exchange(true))
        std::fprintf(stderr, "kelvory: %s\n", line);
}

} // namespace

void SoundNotices::noOutput() {
    static std::atomic<bool> told = false;
    sayOnce(told, "no audio output device: sounds are silent");
}

void SoundNotices::serverDoesNotAnswer() {
    static std::atomic<bool> told = false;
    sayOnce(told, "the sound server does not answer: sounds are silent");
}

} // namespace fw::qt
