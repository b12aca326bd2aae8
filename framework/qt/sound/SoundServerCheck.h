#pragma once

namespace fw::qt {

// Whether the sound server answers, learnt once a run on a connection of its own, with a deadline.
//
// Qt Multimedia has none: a server that accepts connections and never answers (stopped, or hung)
// keeps Qt's own PulseAudio connection (its device lists) and GStreamer's PulseAudio device
// provider (made with the first media player) waiting for good, on the main thread. So the check
// starts early, on a thread of its own that it ends itself, and the movie's player asks for the
// answer before it first touches Qt Multimedia (see AudioOutputs). A thread of ours rather than
// the sound engine's connection: the engine connects only when a sound is first played, and the
// movie needs the answer before that. Called from the main thread only.
class SoundServerCheck {
public:
    enum class Answer { Answers, NoServer, DoesNotAnswer };

    // Starts the check, once a run; once the environment is set for the run, which libpulse reads
    // on the check's thread.
    static void start();
    // True once answer() returns without waiting; a check not started yet starts now.
    static bool decided();
    // Waits for the answer, at most until the deadline; a check not started yet starts now.
    static Answer answer();
};

} // namespace fw::qt
