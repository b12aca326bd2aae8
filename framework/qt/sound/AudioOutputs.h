#pragma once

class QAudioOutput;
class QObject;

namespace fw::qt {

// Whether sound has somewhere to go. Without an audio device the program stays silent: attaching
// an output anyway fills standard error with the sound system's complaints. The missing device is
// said once per run, whoever finds it first.
class AudioOutputs {
public:
    static bool available();
    // A new output on the default device for a media player, or null.
    static QAudioOutput* create(QObject* parent);
    static void sayNoOutput();
};

} // namespace fw::qt
