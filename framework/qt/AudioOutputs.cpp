#include "qt/AudioOutputs.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <cstdio>

namespace fw::qt {

QAudioOutput* AudioOutputs::create(QObject* parent) {
    if (!QMediaDevices::audioOutputs().isEmpty())
        return new QAudioOutput(parent);
    static bool told = false;
    if (!told) {
        told = true;
        std::fprintf(stderr, "kelvory: no audio output device: sounds are silent\n");
    }
    return nullptr;
}

} // namespace fw::qt
