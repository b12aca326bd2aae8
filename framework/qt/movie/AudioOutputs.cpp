#include "qt/movie/AudioOutputs.h"

#include "qt/sound/SoundNotices.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>

namespace fw::qt {

bool AudioOutputs::available() {
    if (!QMediaDevices::audioOutputs().isEmpty())
        return true;
    SoundNotices::noOutput();
    return false;
}

QAudioOutput* AudioOutputs::create(QObject* parent) {
    return available() ? new QAudioOutput(parent) : nullptr;
}

} // namespace fw::qt
