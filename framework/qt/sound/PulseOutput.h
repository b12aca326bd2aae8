#pragma once

#include "qt/sound/VoiceMixer.h"

#include <atomic>
#include <memory>
#include <pulse/pulseaudio.h>

namespace fw::qt {

// The stream every sound plays through, on a connection to the sound server of the engine's own,
// served by one thread. A good citizen of the desktop's sound server: the stream is opened when a
// sound is asked for and closed once it has played silence for a moment, so that nothing wakes
// while the program is quiet; a sound that starts in silence never waits behind queued silence,
// so a press is heard at once. When the server goes away the program runs on, silent, and
// connects again at the next sound.
//
// A connection of our own rather than Qt's: Qt 6.4 tears its PulseAudio connection down in an
// exit handler without taking its mainloop's lock, so any reply its thread is still handling then
// (about a stream just closed, or a sink whose state just changed) can crash the process. Here
// nothing of ours talks through Qt's connection, and freeze() keeps our stream as it is (so the
// sink's state does not change under Qt) until Qt's handlers are done.
class PulseOutput {
public:
    explicit PulseOutput(VoiceMixer& mixer);
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // From any thread, without a lock or a wait: the mixer has something to play. While sounds
    // play the stream takes it at its next refill, so that a press wakes no thread then (a woken
    // thread can take the pressing one's processor when every core is busy).
    void wake();
    // The same, whatever plays.
    void wakeNow();
    // From now on no stream is opened or closed: the program is ending.
    void freeze();
    // Closes the stream and waits for the server's answer, closes the connection, ends the thread.
    void stop();

private:
    template <auto release> struct Release {
        template <class T> void operator()(T* object) const { release(object); }
    };
    using Loop = std::unique_ptr<pa_threaded_mainloop, Release<pa_threaded_mainloop_free>>;
    using Context = std::unique_ptr<pa_context, Release<pa_context_unref>>;
    using Stream = std::unique_ptr<pa_stream, Release<pa_stream_unref>>;

    // The rest runs on the output's thread, or with its lock held.
    void serve();
    void connect();
    void contextChanged();
    void connectionFailed();
    void openStream();
    void streamChanged();
    void fill(std::size_t bytes);
    void releaseStream();
    void releaseConnection();
    // Callbacks may not free the object that calls them: these run once they have returned.
    void releaseStreamLater();
    void releaseConnectionLater();
    void runLater();

    VoiceMixer& mixer_;
    Loop loop_;
    pa_mainloop_api* api_ = nullptr;
    int wakeFd_ = -1;
    pa_io_event* wakeEvent_ = nullptr;
    Context context_;
    Stream stream_;
    bool frozen_ = false;
    bool stopping_ = false;
    bool everConnected_ = false;  // a later failure to connect is not worth a line
    bool connected_ = false;      // this connection was up: losing it is
    bool streamGoes_ = false;     // the stream is released at the next turn
    bool connectionGoes_ = false; // so is the connection
    std::size_t quietFrames_ = 0; // written since a voice last played
    bool waitedTooLong_ = false;
    std::atomic<bool> voicing_ = false; // sounds play, and the stream refills on its own
};

} // namespace fw::qt
