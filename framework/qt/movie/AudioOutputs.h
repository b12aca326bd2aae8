#pragma once

namespace fw::qt {

// Whether the movie's sound has somewhere to go. Without an audio device the movie plays silent:
// attaching an output anyway fills standard error with the sound system's complaints. Nor does it
// get one from a sound server that does not answer, on which Qt Multimedia would wait for good.
class AudioOutputs {
public:
    // Asked before the first media object is made: it decides which elements GStreamer gets.
    static bool available();
};

} // namespace fw::qt
