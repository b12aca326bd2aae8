#include "qt/movie/AudioOutputs.h"

#include "qt/movie/PulseAudioElements.h"
#include "qt/sound/SoundNotices.h"
#include "qt/sound/SoundServerCheck.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace fw::qt {

bool AudioOutputs::available() {
    // Qt's device lists would wait on the server too: they are not asked.
    static const bool serverAnswers = [] {
        if (SoundServerCheck::answer() != SoundServerCheck::Answer::DoesNotAnswer)
            return true;
        PulseAudioElements::keepOut();
        SoundNotices::serverDoesNotAnswer();
        return false;
    }();
    if (!serverAnswers)
        return false;
    if (!QMediaDevices::audioOutputs().isEmpty())
        return true;
    SoundNotices::noOutput();
    return false;
}

} // namespace fw::qt
