#pragma once

#include "qt/sound/VoiceMixer.h"

#include <atomic>
#include <memory>
#include <pulse/pulseaudio.h>
#include <vector>

namespace fw::qt {

// The stream every sound plays through, on a connection to the sound server of the engine's own,
// served by one thread. A good citizen of the desktop's sound server: the stream is opened when a
// sound is asked for and closed after a moment of silence, so that nothing wakes while the program
// is quiet; no silence is queued ahead of a sound, so a press is heard at once. When the server goes
// away, or never answers, the program runs on, silent, and tries again at the next sound.
//
// A connection of our own rather than Qt's: Qt 6.4 tears its PulseAudio connection down in an
// exit handler without taking its mainloop's lock, so any reply its thread is still handling then
// can crash the process; the process ends before that handler (see ProcessEnd), and this stream,
// closed as the last thing the process does, stays as it is from the moment the program begins to
// end.
class PulseOutput {
public:
    // What the kind of sound server asks of the stream.
    struct ServerWays {
        std::size_t endPadding; // frames of silence written after the last sound ends
        pa_usec_t quietBeforeClosing;
    };

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
    // From now on no stream is opened or closed: the program is ending. Returns once an opening or
    // a closing already on its way has been answered, or after a deadline.
    void freeze();
    // Closes the stream and waits for the server's answer, closes the connection, ends the thread.
    void stop();

private:
    // One state at a time; what moves it on:
    //   Idle        no connection; nothing runs     → Connecting when a sound is asked for
    //   Connecting  the connection is being made    → Connected; → Idle when it fails, or when the
    //                                                 server does not answer in time
    //   Connected   no stream                       → Opening when a sound waits
    //   Opening     the stream is being made        → Open; → Connected when it is refused
    //   Open        the stream plays what the mixer → Closing after a moment of silence
    //               gives, refilled by the server
    //   Closing     the stream's close was sent     → Connected once the server has answered
    //   Frozen      the program is ending: what is open stays open, nothing is opened or closed
    //   Stopped     the connection and the thread are gone
    // A lost connection takes every state from Connecting to Closing back to Idle.
    enum class State { Idle, Connecting, Connected, Opening, Open, Closing, Frozen, Stopped };

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
    void learnServer();
    void connectionLost();
    void serverSilent();
    void openStream();
    void streamChanged();
    void streamRefused();
    void fill(std::size_t bytes);
    void closeWhenQuiet();
    void enter(State state);
    bool inFlight() const { return state_ == State::Opening || state_ == State::Closing; }
    // Waits, the lock held, until done() or the timeout; false on the timeout.
    template <class Done> bool waitUntil(pa_usec_t timeout, Done done);
    // A stream or connection whose callback is running may not be freed there: these go once it
    // has returned, and the output is served again.
    void retireStream();
    void retireConnection();
    void afterThisTurn();
    template <void (PulseOutput::*fired)()> void setTimer(pa_time_event*& timer, pa_usec_t delay);
    void clearTimer(pa_time_event*& timer);

    VoiceMixer& mixer_;
    Loop loop_;
    pa_mainloop_api* api_ = nullptr;
    int wakeFd_ = -1;
    pa_io_event* wakeEvent_ = nullptr;
    State state_ = State::Idle;
    Context context_;
    Stream stream_;
    std::vector<Stream> retiredStreams_;
    std::vector<Context> retiredContexts_;
    bool turnPending_ = false;
    bool everConnected_ = false;           // a later failure to connect is not worth a line
    bool ending_ = false;                  // the program is ending: a lost server is not worth a line
    bool serverHeldBack_ = false;          // the end of the run waited for the server in vain
    pa_time_event* answerTimer_ = nullptr; // the server must answer a connection in time
    pa_time_event* quietTimer_ = nullptr;  // the stream closes once quiet for a moment
    ServerWays ways_{};
    std::size_t padLeft_ = 0;           // of the end's padding, still to write
    std::atomic<bool> voicing_ = false; // sounds play, and the stream refills on its own
};

} // namespace fw::qt
