#include "qt/sound/SoundServerCheck.h"

#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <pulse/pulseaudio.h>

namespace fw::qt {

namespace {

using Clock = std::chrono::steady_clock;
using Answer = SoundServerCheck::Answer;

// A server on this machine answers within milliseconds, a busy one within tens of them; the intro
// window is up well before this is over, and its movie is late by no more.
constexpr auto kDeadline = std::chrono::milliseconds(1000);
// How much longer the answer is awaited when the check is held up outside libpulse's loop, where
// its deadline cannot reach (a server's host name being looked up).
constexpr auto kGrace = std::chrono::milliseconds(500);

template <auto release> struct Release {
    template <class T> void operator()(T* object) const { release(object); }
};

// Connects as Qt and GStreamer would (the server libpulse names, from PULSE_SERVER or its client
// configuration; no server spawned) and says how far the connection got by the deadline.
Answer check() {
    const std::unique_ptr<pa_mainloop, Release<pa_mainloop_free>> loop(pa_mainloop_new());
    pa_mainloop_api* api = loop ? pa_mainloop_get_api(loop.get()) : nullptr;
    const std::unique_ptr<pa_context, Release<pa_context_unref>> context(api ? pa_context_new(api, "Kelvory")
                                                                             : nullptr);
    if (!context || pa_context_connect(context.get(), nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return Answer::NoServer;
    bool late = false;
    pa_time_event* deadline = pa_context_rttime_new(
        context.get(), pa_rtclock_now() + std::chrono::microseconds(kDeadline).count(),
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* late) {
            *static_cast<bool*>(late) = true;
        },
        &late);
    pa_context_state_t state = pa_context_get_state(context.get());
    while (deadline && !late && PA_CONTEXT_IS_GOOD(state) && state != PA_CONTEXT_READY &&
           pa_mainloop_iterate(loop.get(), 1, nullptr) >= 0)
        state = pa_context_get_state(context.get());
    if (deadline)
        api->time_free(deadline);
    pa_context_disconnect(context.get());
    if (state == PA_CONTEXT_READY)
        return Answer::Answers;
    return PA_CONTEXT_IS_GOOD(state) ? Answer::DoesNotAnswer : Answer::NoServer;
}

struct Check {
    std::future<Answer> pending; // its thread is joined when the answer is taken, or at exit
    Clock::time_point started;
    std::optional<Answer> answer;
};

Check& theCheck() {
    static Check check;
    return check;
}

} // namespace

void SoundServerCheck::start() {
    Check& check = theCheck();
    if (check.pending.valid() || check.answer)
        return;
    check.started = Clock::now();
    check.pending = std::async(std::launch::async, &fw::qt::check);
}

bool SoundServerCheck::decided() {
    start();
    const Check& check = theCheck();
    return check.answer || check.pending.wait_for(Clock::duration::zero()) == std::future_status::ready ||
           Clock::now() >= check.started + kDeadline + kGrace;
}

SoundServerCheck::Answer SoundServerCheck::answer() {
    start();
    Check& check = theCheck();
    if (!check.answer)
        check.answer =
            check.pending.wait_until(check.started + kDeadline + kGrace) == std::future_status::ready
                ? check.pending.get()
                : Answer::DoesNotAnswer;
    return *check.answer;
}

} // namespace fw::qt
