#pragma once

#include "platform/NativeMedia.h"

#include <QMediaPlayer>
#include <QPointer>
#include <filesystem>

namespace fw::qt {

// A sound file whose player is made on its first play, so that opening sounds never waits for
// the media pipeline.
class QtSound final : public platform::NativeSound {
public:
    explicit QtSound(std::filesystem::path file);
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    void play() override;

private:
    bool ensurePlayer();
    void failed(const QString& reason);

    std::filesystem::path file_;
    QPointer<QMediaPlayer> player_;
    bool silent_ = false; // no audio device, or the file did not decode
};

} // namespace fw::qt
