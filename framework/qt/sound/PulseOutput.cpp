#include "qt/sound/PulseOutput.h"

#include "qt/sound/SoundDecoder.h"
#include "qt/sound/SoundNotices.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/eventfd.h>
#include <unistd.h>

namespace fw::qt {

namespace {

// What the server keeps queued ahead of what is heard while sounds play. The output's thread, and
// the server's own, must come round within it, which a loaded machine can hold off for a hundred
// milliseconds (100 ms ran dry on a suite run beside other builds). Only a sound that starts
// while another plays waits behind it: no silence is queued but a moment after a sound's end where
// the server needs it (see learnServer()).
constexpr pa_usec_t kQueued = 200 * PA_USEC_PER_MSEC;
constexpr pa_usec_t kRefill = 20 * PA_USEC_PER_MSEC;
// PulseAudio plays whatever is queued, however little, and opens a stream in a few milliseconds.
// PipeWire's server plays whole quanta only, and holds back a shorter end until more comes: the
// end of a sound is followed by silence enough (its largest quantum) that what is held back is
// silence. A stream costs it 50 to 100 ms to open (a node made, linked, the graph set up again),
// so it keeps one longer; a drained stream wakes nothing of ours meanwhile.
constexpr PulseOutput::ServerWays kPulseAudio{0, 1500 * PA_USEC_PER_MSEC};
constexpr PulseOutput::ServerWays kPipeWire{2048, 5000 * PA_USEC_PER_MSEC};
// A server that accepts the connection but has not answered by then is taken as hung.
constexpr pa_usec_t kAnswerWait = 2000 * PA_USEC_PER_MSEC;
// How long the end of a run waits for the server to answer an opening or closing on its way.
constexpr pa_usec_t kSettleWait = 1000 * PA_USEC_PER_MSEC;

const pa_sample_spec kSpec{PA_SAMPLE_S16LE, SoundDecoder::kRate, VoiceMixer::kChannels};

std::uint32_t bytesFor(pa_usec_t time) {
    return static_cast<std::uint32_t>(pa_usec_to_bytes(time, &kSpec));
}

bool isOver(pa_stream_state_t state) {
    return state == PA_STREAM_UNCONNECTED || state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED;
}

} // namespace

PulseOutput::PulseOutput(VoiceMixer& mixer)
    : mixer_(mixer), loop_(pa_threaded_mainloop_new()), wakeFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    pa_threaded_mainloop_set_name(loop_.get(), "sound output");
    api_ = pa_threaded_mainloop_get_api(loop_.get());
    wakeEvent_ = api_->io_new(
        api_, wakeFd_, PA_IO_EVENT_INPUT,
        [](pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void* self) {
            eventfd_t count = 0;
            eventfd_read(fd, &count);
            static_cast<PulseOutput*>(self)->serve();
        },
        this);
    pa_threaded_mainloop_start(loop_.get());
}

PulseOutput::~PulseOutput() {
    stop();
    close(wakeFd_); // only now: a late wake() must never write to a descriptor reused since
}

void PulseOutput::wake() {
    if (!voicing_.load(std::memory_order_relaxed))
        wakeNow();
}

void PulseOutput::wakeNow() {
    eventfd_write(wakeFd_, 1);
}

void PulseOutput::freeze() {
    if (!loop_)
        return;
    pa_threaded_mainloop_lock(loop_.get());
    if (state_ != State::Frozen && state_ != State::Stopped) {
        ending_ = true;
        serverHeldBack_ = !waitUntil(kSettleWait, [this] { return !inFlight(); });
        clearTimer(quietTimer_);
        clearTimer(answerTimer_);
        enter(State::Frozen);
    }
    pa_threaded_mainloop_unlock(loop_.get());
}

void PulseOutput::stop() {
    if (!loop_)
        return;
    pa_threaded_mainloop_lock(loop_.get());
    enter(State::Frozen);
    clearTimer(quietTimer_);
    clearTimer(answerTimer_);
    if (stream_) {
        // The server's answer is handled here, before the connection goes: waiting works because
        // libpulse reports the stream terminated only once the server's reply has been read.
        // A server that has held back an answer already would only make the end of the run wait.
        bool closing = false;
        waitUntil(serverHeldBack_ ? 0 : kSettleWait, [&] {
            const pa_stream_state_t state = pa_stream_get_state(stream_.get());
            if (!closing && state == PA_STREAM_READY) {
                pa_stream_set_write_callback(stream_.get(), nullptr, nullptr);
                closing = pa_stream_disconnect(stream_.get()) == 0;
            }
            return isOver(state);
        });
    }
    enter(State::Stopped);
    retireConnection();
    retiredStreams_.clear();
    retiredContexts_.clear();
    pa_threaded_mainloop_unlock(loop_.get());
    pa_threaded_mainloop_stop(loop_.get());
    api_->io_free(wakeEvent_);
    loop_.reset();
}

template <class Done> bool PulseOutput::waitUntil(pa_usec_t timeout, Done done) {
    if (done())
        return true;
    if (!context_)
        return false;
    struct Deadline {
        pa_threaded_mainloop* loop;
        bool passed = false;
    } deadline{loop_.get()};
    pa_time_event* timer = pa_context_rttime_new(
        context_.get(), pa_rtclock_now() + timeout,
        [](pa_mainloop_api*, pa_time_event*, const struct timeval*, void* data) {
            auto* waited = static_cast<Deadline*>(data);
            waited->passed = true;
            pa_threaded_mainloop_signal(waited->loop, 0);
        },
        &deadline);
    bool met = false;
    while (!(met = done()) && !deadline.passed && timer)
        pa_threaded_mainloop_wait(loop_.get()); // state callbacks signal
    if (timer)
        api_->time_free(timer);
    return met;
}

void PulseOutput::enter(State state) {
    if (state_ != State::Stopped)
        state_ = state;
    pa_threaded_mainloop_signal(loop_.get(), 0); // freeze() and stop() wait on the state
}

void PulseOutput::serve() {
    if (state_ == State::Stopped)
        return;
    mixer_.takeRequests();
    if (mixer_.idle())
        return;
    switch (state_) {
    case State::Idle:
        connect();
        break;
    case State::Connected:
        openStream();
        break;
    case State::Open:
    case State::Frozen:
        // A drained stream holds nothing: what is written now is heard next.
        if (stream_ && pa_stream_get_state(stream_.get()) == PA_STREAM_READY) {
            const std::size_t writable = pa_stream_writable_size(stream_.get());
            if (writable != static_cast<std::size_t>(-1))
                fill(writable);
        }
        break;
    default:
        break; // served again once the state moves on
    }
}

void PulseOutput::connect() {
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Kelvory");
    context_.reset(pa_context_new_with_proplist(api_, "Kelvory", properties));
    pa_proplist_free(properties);
    if (!context_) {
        mixer_.clear();
        return;
    }
    enter(State::Connecting);
    pa_context_set_state_callback(
        context_.get(), [](pa_context*, void* self) { static_cast<PulseOutput*>(self)->contextChanged(); },
        this);
    setTimer<&PulseOutput::serverSilent>(answerTimer_, kAnswerWait);
    if (pa_context_connect(context_.get(), nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        connectionLost();
}

void PulseOutput::contextChanged() {
    switch (pa_context_get_state(context_.get())) {
    case PA_CONTEXT_READY:
        clearTimer(answerTimer_);
        everConnected_ = true;
        learnServer();
        if (state_ == State::Connecting)
            enter(State::Connected);
        serve();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        connectionLost();
        break;
    default:
        break;
    }
}

void PulseOutput::learnServer() {
    ways_ = kPipeWire; // the safe choice, until the server has said what it is
    pa_operation* asking = pa_context_get_server_info(
        context_.get(),
        [](pa_context*, const pa_server_info* info, void* self) {
            if (info && info->server_name && !std::strstr(info->server_name, "PipeWire"))
                static_cast<PulseOutput*>(self)->ways_ = kPulseAudio;
        },
        this);
    if (asking)
        pa_operation_unref(asking);
}

void PulseOutput::connectionLost() {
    if (state_ == State::Idle || state_ == State::Frozen || state_ == State::Stopped)
        return; // the end of a run lets the connection go itself
    // While the program ends its sounds are over anyway: nothing is worth a line then.
    if (!ending_ && state_ != State::Connecting)
        std::fprintf(stderr, "kelvory: the sound server has gone away: sounds are silent until it is back\n");
    else if (!ending_ && !everConnected_)
        SoundNotices::noOutput();
    // Nothing asked for meanwhile waits for a server that may never come back: the next sound
    // connects again.
    mixer_.clear();
    retireConnection();
    enter(State::Idle);
}

void PulseOutput::serverSilent() {
    answerTimer_ = nullptr;
    if (state_ != State::Connecting)
        return;
    SoundNotices::serverDoesNotAnswer();
    mixer_.clear();
    retireConnection();
    enter(State::Idle);
}

void PulseOutput::openStream() {
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
    stream_.reset(pa_stream_new_with_proplist(context_.get(), "Sound effects", &kSpec, nullptr, properties));
    pa_proplist_free(properties);
    if (!stream_) {
        mixer_.clear();
        return;
    }
    enter(State::Opening);
    pa_stream_set_state_callback(
        stream_.get(), [](pa_stream*, void* self) { static_cast<PulseOutput*>(self)->streamChanged(); },
        this);
    pa_stream_set_write_callback(
        stream_.get(),
        [](pa_stream*, std::size_t bytes, void* self) { static_cast<PulseOutput*>(self)->fill(bytes); },
        this);
    // Playback starts as soon as anything is queued, and starts again so whenever the stream has
    // run dry: the silence between sounds is the server's, never queued ahead of the next sound.
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = bytesFor(kQueued);
    attr.prebuf = VoiceMixer::kFrameBytes;
    attr.minreq = bytesFor(kRefill);
    attr.fragsize = static_cast<std::uint32_t>(-1);
    if (pa_stream_connect_playback(stream_.get(), nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0)
        streamRefused();
}

void PulseOutput::streamChanged() {
    switch (pa_stream_get_state(stream_.get())) {
    case PA_STREAM_READY:
        if (state_ == State::Opening)
            enter(State::Open);
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        if (state_ == State::Closing) {
            retireStream();
            enter(State::Connected); // and a sound asked for meanwhile opens a new one
        } else if (state_ == State::Opening || state_ == State::Open) {
            streamRefused();
        }
        break;
    default:
        break;
    }
    pa_threaded_mainloop_signal(loop_.get(), 0); // freeze() and stop() wait on the stream
}

void PulseOutput::streamRefused() {
    // A failed connection says why itself; a stream refused on a working one has nowhere to play.
    if (pa_context_get_state(context_.get()) == PA_CONTEXT_READY)
        SoundNotices::noOutput();
    mixer_.clear();
    retireStream();
    enter(State::Connected); // the next sound tries a new stream
}

void PulseOutput::fill(std::size_t bytes) {
    while (bytes >= VoiceMixer::kFrameBytes) {
        mixer_.takeRequests();
        if (!mixer_.playing() && padLeft_ == 0)
            break;
        void* data = nullptr;
        std::size_t size = bytes;
        if (pa_stream_begin_write(stream_.get(), &data, &size) < 0 || !data)
            break;
        const std::size_t frames = std::min(size, bytes) / VoiceMixer::kFrameBytes;
        const bool wasPlaying = mixer_.playing();
        const std::size_t voiced = mixer_.mix(data, frames);
        if (wasPlaying && !mixer_.playing())
            padLeft_ = ways_.endPadding; // the last sound ended here
        const std::size_t padded = std::min(frames - voiced, padLeft_);
        padLeft_ -= padded;
        pa_stream_write(stream_.get(), data, (voiced + padded) * VoiceMixer::kFrameBytes, nullptr, 0,
                        PA_SEEK_RELATIVE);
        bytes -= (voiced + padded) * VoiceMixer::kFrameBytes;
    }
    voicing_.store(mixer_.playing(), std::memory_order_relaxed);
    if (mixer_.playing())
        clearTimer(quietTimer_);
    else if (state_ == State::Open && !quietTimer_)
        setTimer<&PulseOutput::closeWhenQuiet>(quietTimer_, ways_.quietBeforeClosing);
}

void PulseOutput::closeWhenQuiet() {
    quietTimer_ = nullptr;
    if (state_ != State::Open)
        return;
    if (!mixer_.idle()) { // a sound on its way keeps the stream
        setTimer<&PulseOutput::closeWhenQuiet>(quietTimer_, ways_.quietBeforeClosing);
        return;
    }
    pa_stream_set_write_callback(stream_.get(), nullptr, nullptr);
    if (pa_stream_disconnect(stream_.get()) < 0) {
        retireStream();
        enter(State::Connected);
        return;
    }
    enter(State::Closing);
}

void PulseOutput::retireStream() {
    voicing_ = false;
    clearTimer(quietTimer_);
    if (!stream_)
        return;
    pa_stream_set_state_callback(stream_.get(), nullptr, nullptr);
    pa_stream_set_write_callback(stream_.get(), nullptr, nullptr);
    if (!isOver(pa_stream_get_state(stream_.get())))
        pa_stream_disconnect(stream_.get());
    retiredStreams_.push_back(std::move(stream_));
    afterThisTurn();
}

void PulseOutput::retireConnection() {
    retireStream();
    clearTimer(answerTimer_);
    if (!context_)
        return;
    pa_context_set_state_callback(context_.get(), nullptr, nullptr);
    pa_context_disconnect(context_.get());
    retiredContexts_.push_back(std::move(context_));
    afterThisTurn();
}

void PulseOutput::afterThisTurn() {
    if (turnPending_ || state_ == State::Stopped)
        return;
    turnPending_ = true;
    pa_mainloop_api_once(
        api_,
        [](pa_mainloop_api*, void* data) {
            auto* self = static_cast<PulseOutput*>(data);
            self->turnPending_ = false;
            self->retiredStreams_.clear();
            self->retiredContexts_.clear();
            self->serve(); // a sound asked for meanwhile
        },
        this);
}

template <void (PulseOutput::*fired)()> void PulseOutput::setTimer(pa_time_event*& timer, pa_usec_t delay) {
    clearTimer(timer);
    timer = pa_context_rttime_new(
        context_.get(), pa_rtclock_now() + delay,
        [](pa_mainloop_api* api, pa_time_event* event, const struct timeval*, void* self) {
            api->time_free(event);
            (static_cast<PulseOutput*>(self)->*fired)();
        },
        this);
}

void PulseOutput::clearTimer(pa_time_event*& timer) {
    if (timer)
        api_->time_free(timer);
    timer = nullptr;
}

} // namespace fw::qt
