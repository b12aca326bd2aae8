#pragma once

class QAudioOutput;
class QObject;

namespace fw::qt {

// Whether the movie's sound has somewhere to go. Without an audio device the movie plays silent:
// attaching an output anyway fills standard error with the sound system's complaints.
class AudioOutputs {
public:
    static bool available();
    // A new output on the default device for a media player, or null.
    static QAudioOutput* create(QObject* parent);
};

} // namespace fw::qt
