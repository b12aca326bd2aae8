#include "qt/sound/DecodingThread.h"

#include "qt/sound/SoundDecoder.h"

#include <cstdio>
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

void DecodingThread::run(const std::stop_token& stopping) {
    pthread_setname_np(pthread_self(), "sound decoding");
    while (!stopping.stop_requested()) {
        // Read before taking, so that a file handed over meanwhile ends the wait at once.
        const unsigned seen = handed_.load(std::memory_order_acquire);
        for (const auto& clip : waiting_.takeAll()) {
            if (stopping.stop_requested())
                return;
            auto decoded = SoundDecoder::decode(clip->file());
            if (auto* pcm = std::get_if<Pcm>(&decoded)) {
                clip->finish(std::move(*pcm));
            } else {
                std::fprintf(stderr, "kelvory: cannot play %s: %s\n", clip->file().c_str(),
                             std::get<std::string>(decoded).c_str());
                clip->fail();
            }
            decoded_();
        }
        handed_.wait(seen, std::memory_order_acquire);
    }
}

} // namespace fw::qt
