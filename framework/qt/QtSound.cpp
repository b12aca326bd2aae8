#include "qt/QtSound.h"

#include "qt/AudioOutputs.h"
#include "qt/CoreCall.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QUrl>
#include <cstdio>

namespace fw::qt {

QtSound::QtSound(std::filesystem::path file) : file_(std::move(file)) {}

QtSound::~QtSound() {
    if (!player_)
        return;
    player_->disconnect();
    player_->stop();
    CoreCall::dispose(player_);
}

void QtSound::play() {
    if (!ensurePlayer())
        return;
    if (player_->playbackState() != QMediaPlayer::StoppedState ||
        player_->mediaStatus() == QMediaPlayer::EndOfMedia)
        player_->setPosition(0);
    player_->play();
}

bool QtSound::ensurePlayer() {
    if (silent_)
        return false;
    if (player_)
        return true;
    // Owned by the application object, so that no player outlives the event loop.
    auto* player = new QMediaPlayer(QCoreApplication::instance());
    QAudioOutput* output = AudioOutputs::create(player);
    if (!output) {
        delete player;
        silent_ = true;
        return false;
    }
    player->setAudioOutput(output);
    QObject::connect(player, &QMediaPlayer::errorOccurred, player,
                     [this](QMediaPlayer::Error error, const QString& reason) {
                         if (error != QMediaPlayer::NoError)
                             failed(reason);
                     });
    QObject::connect(player, &QMediaPlayer::mediaStatusChanged, player,
                     [this](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::InvalidMedia)
                             failed(player_ ? player_->errorString() : QString());
                     });
    player->setSource(QUrl::fromLocalFile(QString::fromStdString(file_.string())));
    player_ = player;
    return true;
}

void QtSound::failed(const QString& reason) {
    if (silent_)
        return;
    silent_ = true;
    const QString why = reason.isEmpty() ? QStringLiteral("cannot decode it") : reason;
    std::fprintf(stderr, "kelvory: cannot play %s: %s\n", file_.c_str(), qPrintable(why));
    if (player_)
        player_->stop();
}

} // namespace fw::qt
