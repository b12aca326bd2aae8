#include "qt/sound/DecodingThread.h"

#include "qt/sound/SoundDecoder.h"

#include <cstdio>
#include <exception>
#include <new>
#include <pthread.h>

namespace fw::qt {

DecodingThread::DecodingThread(std::function<void()> decoded)
    : decoded_(std::move(decoded)), thread_([this](const std::stop_token& stopping) { run(stopping); }) {}

void DecodingThread::decode(std::shared_ptr<SoundClip> clip) {
    waiting_.put(std::move(clip));
    wake();
}

void DecodingThread::stop() {
    if (!thread_.joinable())
        return;
    thread_.request_stop();
    wake();
    thread_.join();
}

void DecodingThread::wake() {
    handed_.fetch_add(1, std::memory_order_release);
    handed_.notify_one();
}

void DecodingThread::decodeOne(SoundClip& clip, const std::stop_token& stopping) {
    // Said from a text already there: with no memory left, making one would fail too.
    const auto cannot = [&](const char* why) {
        clip.fail();
        if (!stopping.stop_requested()) // given up for the end of the program, not for the file
            std::fprintf(stderr, "kelvory: cannot play %s: %s\n", clip.file().c_str(), why);
    };
    try {
        auto decoded = SoundDecoder::decode(clip.file(), stopping);
        if (auto* pcm = std::get_if<Pcm>(&decoded))
            clip.finish(std::move(*pcm));
        else
            cannot(std::get<std::string>(decoded).c_str());
    } catch (const std::bad_alloc&) {
        cannot("not enough memory to decode it");
    } catch (const std::exception& failure) {
        cannot(failure.what());
    } catch (...) {
        cannot("it failed to decode");
    }
}

void DecodingThread::run(const std::stop_token& stopping) {
    pthread_setname_np(pthread_self(), "sound decoding");
    while (!stopping.stop_requested()) {
        // Read before taking, so that a file handed over meanwhile ends the wait at once.
        const unsigned seen = handed_.load(std::memory_order_acquire);
        for (const auto& clip : waiting_.takeAll()) {
            if (stopping.stop_requested())
                return;
            decodeOne(*clip, stopping);
            decoded_();
        }
        handed_.wait(seen, std::memory_order_acquire);
    }
}

} // namespace fw::qt
