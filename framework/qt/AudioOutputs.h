#pragma once

class QAudioOutput;
class QObject;

namespace fw::qt {

// The sound output for a player. Without an audio device a player gets none and stays silent:
// attaching one anyway fills standard error with the sound system's complaints.
class AudioOutputs {
public:
    // A new output on the default device, or null (said once per run on standard error).
    static QAudioOutput* create(QObject* parent);
};

} // namespace fw::qt
