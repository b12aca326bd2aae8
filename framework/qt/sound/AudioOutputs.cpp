#include "qt/sound/AudioOutputs.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <atomic>
#include <cstdio>

namespace fw::qt {

bool AudioOutputs::available() {
    if (!QMediaDevices::audioOutputs().isEmpty())
        return true;
    sayNoOutput();
    return false;
}

QAudioOutput* AudioOutputs::create(QObject* parent) {
    return available() ? new QAudioOutput(parent) : nullptr;
}

void AudioOutputs::sayNoOutput() {
    static std::atomic<bool> told = false;
    if (!told.exchange(true))
        std::fprintf(stderr, "kelvory: no audio output device: sounds are silent\n");
}

} // namespace fw::qt
