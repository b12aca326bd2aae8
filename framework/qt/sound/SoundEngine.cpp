#include "qt/sound/SoundEngine.h"

#include "qt/sound/AudioOutputs.h"

#include <QMediaDevices>
#include <cstdlib>

namespace fw::qt {

namespace {
std::atomic<SoundEngine*> openEngine = nullptr;
} // namespace

SoundEngine::SoundEngine() {
    // Unbuffered: QIODevice would otherwise mix ahead of what the output asks for, and a sound
    // played meanwhile would wait behind that.
    mixer_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    output_.adopt(mixer_);
    output_.post([this] { openOutput(); });
}

SoundEngine::~SoundEngine() {
    stop();
}

std::shared_ptr<const SoundClip> SoundEngine::load(const std::filesystem::path& file) {
    auto clip = std::make_shared<SoundClip>(file);
    decoding_.decode(clip);
    return clip;
}

void SoundEngine::play(const std::shared_ptr<const SoundClip>& clip) {
    if (!silent_.load(std::memory_order_relaxed))
        mixer_.play(clip);
}

void SoundEngine::openOutput() {
    if (AudioOutputs::available()) {
        sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), VoiceMixer::format());
        sink_->start(&mixer_);
        if (sink_->error() != QAudio::NoError)
            AudioOutputs::sayNoOutput();
    }
    silent_ = !sink_ || sink_->error() != QAudio::NoError;
    // Registered once the sound system has registered its own exit-time clean-up, so that it
    // runs before that.
    static const int registered = std::atexit(&SoundEngine::stopAtExit);
    (void)registered;
    openEngine = this;
}

void SoundEngine::stop() {
    if (stopped_.exchange(true))
        return;
    output_.runAndWait([this] {
        SoundEngine* self = this;
        openEngine.compare_exchange_strong(self, nullptr);
        if (sink_)
            sink_->stop();
        sink_.reset();
        mixer_.close();
    });
    output_.stop();
    decoding_.stop();
}

void SoundEngine::stopAtExit() {
    if (SoundEngine* engine = openEngine.exchange(nullptr))
        engine->stop();
}

} // namespace fw::qt
