#include "qt/sound/PulseOutput.h"

#include "qt/sound/SoundDecoder.h"
#include "qt/sound/SoundNotices.h"

#include <algorithm>
#include <cstdio>
#include <sys/eventfd.h>
#include <unistd.h>

namespace fw::qt {

namespace {

// What the server keeps queued ahead of what is heard. The output's thread must refill within it,
// which a machine with every core busy can hold off for tens of milliseconds. Only a sound that
// starts while another plays waits behind it: one that starts in silence goes to a new stream, or
// to one whose queued silence is dropped first (see serve()).
constexpr pa_usec_t kQueued = 100 * PA_USEC_PER_MSEC;
constexpr pa_usec_t kRefill = 20 * PA_USEC_PER_MSEC;
// Silence played before the stream is closed: presses a moment apart keep one stream.
constexpr std::size_t kQuietBeforeClosing = SoundDecoder::kRate * 3 / 2;
// How long the end of a run waits for the server to confirm the stream is closed.
constexpr pa_usec_t kCloseWait = 1000 * PA_USEC_PER_MSEC;

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
    frozen_ = true;
    pa_threaded_mainloop_unlock(loop_.get());
}

void PulseOutput::stop() {
    if (!loop_)
        return;
    pa_threaded_mainloop_lock(loop_.get());
    frozen_ = stopping_ = true;
    if (stream_) {
        pa_time_event* deadline = pa_context_rttime_new(
            context_.get(), pa_rtclock_now() + kCloseWait,
            [](pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self) {
                auto* output = static_cast<PulseOutput*>(self);
                output->waitedTooLong_ = true;
                pa_threaded_mainloop_signal(output->loop_.get(), 0);
            },
            this);
        // The server's answer is handled here, before the connection goes.
        bool closing = false;
        while (!isOver(pa_stream_get_state(stream_.get())) && !waitedTooLong_) {
            if (!closing && pa_stream_get_state(stream_.get()) == PA_STREAM_READY) {
                pa_stream_set_write_callback(stream_.get(), nullptr, nullptr);
                closing = pa_stream_disconnect(stream_.get()) == 0;
            }
            pa_threaded_mainloop_wait(loop_.get());
        }
        if (deadline)
            api_->time_free(deadline);
    }
    releaseConnection();
    pa_threaded_mainloop_unlock(loop_.get());
    pa_threaded_mainloop_stop(loop_.get());
    api_->io_free(wakeEvent_);
    loop_.reset();
}

void PulseOutput::serve() {
    mixer_.takeRequests();
    if (frozen_ || mixer_.idle())
        return;
    if (!context_) {
        connect();
        return;
    }
    if (pa_context_get_state(context_.get()) != PA_CONTEXT_READY)
        return; // served again once connected, or once the failed connection is gone
    if (!stream_) {
        openStream();
        return;
    }
    if (streamGoes_ || pa_stream_get_state(stream_.get()) != PA_STREAM_READY)
        return;
    // What the server holds is silence only: drop it, so that the sound starts now rather than
    // behind it. The server then asks for the whole buffer anew, and what is written next reaches
    // it after the flush.
    const pa_buffer_attr* attr = pa_stream_get_buffer_attr(stream_.get());
    if (mixer_.playing() && attr && quietFrames_ * VoiceMixer::kFrameBytes >= attr->tlength) {
        quietFrames_ = 0;
        if (pa_operation* flushing = pa_stream_flush(stream_.get(), nullptr, nullptr))
            pa_operation_unref(flushing);
    }
}

void PulseOutput::connect() {
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Kelvory");
    context_.reset(pa_context_new_with_proplist(api_, "Kelvory", properties));
    pa_proplist_free(properties);
    connected_ = false;
    if (!context_) {
        connectionFailed();
        return;
    }
    pa_context_set_state_callback(
        context_.get(), [](pa_context*, void* self) { static_cast<PulseOutput*>(self)->contextChanged(); },
        this);
    if (pa_context_connect(context_.get(), nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        connectionFailed();
}

void PulseOutput::contextChanged() {
    switch (pa_context_get_state(context_.get())) {
    case PA_CONTEXT_READY:
        connected_ = everConnected_ = true;
        serve();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        connectionFailed();
        break;
    default:
        break;
    }
}

void PulseOutput::connectionFailed() {
    if (stopping_)
        return;
    if (connected_)
        std::fprintf(stderr, "kelvory: the sound server has gone away: sounds are silent until it is back\n");
    else if (!everConnected_)
        SoundNotices::noOutput();
    connected_ = false;
    // Nothing asked for meanwhile waits for a server that may never come back: the next sound
    // connects again.
    mixer_.clear();
    releaseConnectionLater();
}

void PulseOutput::openStream() {
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "event");
    stream_.reset(pa_stream_new_with_proplist(context_.get(), "Sound effects", &kSpec, nullptr, properties));
    pa_proplist_free(properties);
    quietFrames_ = 0;
    if (!stream_) {
        mixer_.clear();
        return;
    }
    pa_stream_set_state_callback(
        stream_.get(), [](pa_stream*, void* self) { static_cast<PulseOutput*>(self)->streamChanged(); },
        this);
    pa_stream_set_write_callback(
        stream_.get(),
        [](pa_stream*, std::size_t bytes, void* self) { static_cast<PulseOutput*>(self)->fill(bytes); },
        this);
    // Playback starts once the first request is filled, and that holds the sound's beginning.
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = bytesFor(kQueued);
    attr.prebuf = static_cast<std::uint32_t>(-1);
    attr.minreq = bytesFor(kRefill);
    attr.fragsize = static_cast<std::uint32_t>(-1);
    if (pa_stream_connect_playback(stream_.get(), nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0)
        streamChanged();
}

void PulseOutput::streamChanged() {
    if (stopping_) {
        pa_threaded_mainloop_signal(loop_.get(), 0);
        return;
    }
    if (pa_stream_get_state(stream_.get()) != PA_STREAM_FAILED)
        return;
    // A failed connection says why itself; a stream refused on a working one has nowhere to play.
    if (pa_context_get_state(context_.get()) == PA_CONTEXT_READY)
        SoundNotices::noOutput();
    mixer_.clear();
    releaseStreamLater();
}

void PulseOutput::fill(std::size_t bytes) {
    while (bytes >= VoiceMixer::kFrameBytes) {
        void* data = nullptr;
        std::size_t size = bytes;
        if (pa_stream_begin_write(stream_.get(), &data, &size) < 0 || !data)
            return;
        const std::size_t frames = std::min(size, bytes) / VoiceMixer::kFrameBytes;
        mixer_.takeRequests();
        const bool quiet = !mixer_.playing();
        mixer_.mix(data, frames);
        pa_stream_write(stream_.get(), data, frames * VoiceMixer::kFrameBytes, nullptr, 0, PA_SEEK_RELATIVE);
        quietFrames_ = quiet ? quietFrames_ + frames : 0;
        voicing_.store(mixer_.playing(), std::memory_order_relaxed);
        bytes -= frames * VoiceMixer::kFrameBytes;
    }
    if (quietFrames_ >= kQuietBeforeClosing && mixer_.idle() && !frozen_)
        releaseStreamLater();
}

void PulseOutput::releaseStream() {
    voicing_ = false;
    if (!stream_)
        return;
    pa_stream_set_state_callback(stream_.get(), nullptr, nullptr);
    pa_stream_set_write_callback(stream_.get(), nullptr, nullptr);
    if (!isOver(pa_stream_get_state(stream_.get())))
        pa_stream_disconnect(stream_.get());
    stream_.reset();
}

void PulseOutput::releaseConnection() {
    releaseStream();
    if (!context_)
        return;
    pa_context_set_state_callback(context_.get(), nullptr, nullptr);
    pa_context_disconnect(context_.get());
    context_.reset();
}

void PulseOutput::releaseStreamLater() {
    if (!streamGoes_ && !connectionGoes_)
        pa_mainloop_api_once(
            api_, [](pa_mainloop_api*, void* self) { static_cast<PulseOutput*>(self)->runLater(); }, this);
    streamGoes_ = true;
}

void PulseOutput::releaseConnectionLater() {
    releaseStreamLater();
    connectionGoes_ = true;
}

void PulseOutput::runLater() {
    if (connectionGoes_)
        releaseConnection();
    else if (streamGoes_ && stream_ && (!frozen_ || isOver(pa_stream_get_state(stream_.get()))))
        releaseStream(); // a quiet stream asked to close before the freeze stays to the end
    streamGoes_ = connectionGoes_ = false;
    serve(); // a sound asked for meanwhile
}

} // namespace fw::qt
