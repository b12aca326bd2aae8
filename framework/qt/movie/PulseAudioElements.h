#pragma once

namespace fw::qt {

// GStreamer's PulseAudio elements, kept out of Qt Multimedia's way when the sound server does not
// answer: the device provider, started with the first media player, would wait for the server for
// good, and so would a sink or a source.
class PulseAudioElements {
public:
    // Before the first media object is made. Ranks a user has set for them already stand.
    static void keepOut();
};

} // namespace fw::qt
