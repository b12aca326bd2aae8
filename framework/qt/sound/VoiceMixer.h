#pragma once

#include "qt/sound/HandOff.h"
#include "qt/sound/SoundClip.h"

#include <QAudioFormat>
#include <QIODevice>
#include <memory>
#include <vector>

namespace fw::qt {

// The one stream every sound plays into: the audio output pulls from it, and it adds up the
// sounds playing at that moment. play() only queues the request, from any thread; the rest runs
// on the thread that reads. A sound asked for again while it plays starts over; a sound asked
// for before its decoding is done starts when its audio is ready; one that failed is dropped.
// Between sounds it reads as silence, so that the output never runs dry.
class VoiceMixer final : public QIODevice {
public:
    static constexpr int kChannels = 2;
    static QAudioFormat format();

    explicit VoiceMixer(QObject* parent = nullptr);

    void play(std::shared_ptr<const SoundClip> clip);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    struct Voice {
        std::shared_ptr<const SoundClip> clip;
        std::size_t frame = 0;
    };

    void takeRequests();
    void start(const std::shared_ptr<const SoundClip>& clip);

    HandOff<const SoundClip> requested_;
    // Only on the reading thread:
    std::vector<std::shared_ptr<const SoundClip>> waiting_; // asked for, still decoding
    std::vector<Voice> voices_;
    std::vector<std::int32_t> sum_;
};

} // namespace fw::qt
