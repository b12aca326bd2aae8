#include "qt/movie/MoviePlayerWidget.h"

#include "qt/ProcessEnd.h"
#include "qt/movie/AudioOutputs.h"
#include "qt/movie/FrameConverter.h"
#include "qt/movie/MovieControllerBar.h"
#include "qt/movie/QtMovie.h"
#include "qt/sound/SoundServerCheck.h"

#include <QAudioOutput>
#include <QMediaMetaData>
#include <QPainter>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoSink>
#include <algorithm>
#include <cstdio>
#include <malloc.h>

namespace fw::qt {

namespace {
constexpr double defaultFrameRate = 25.0;
// An end this much before the movie's length means the file is cut short.
constexpr qint64 shortfallMs = 1500;
// How often a player not made yet looks again whether the sound server has answered.
constexpr int kServerRecheckMs = 10;
} // namespace

MoviePlayerWidget::MoviePlayerWidget(platform::ControlEvents& events, QWidget* parent)
    : QWidget(parent), ControlView(events), layout_(new QVBoxLayout(this)),
      controller_(new MovieControllerBar(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addStretch(1); // the video's place
    layout_->addWidget(controller_);
    controller_->hide();
    connect(controller_, &MovieControllerBar::playPauseClicked, this, &MoviePlayerWidget::togglePlayPause);
    connect(controller_, &MovieControllerBar::stepBackClicked, this, [this] { step(-1); });
    connect(controller_, &MovieControllerBar::stepForwardClicked, this, [this] { step(1); });
    connect(controller_, &MovieControllerBar::volumeChanged, this, [this](float volume) {
        if (audio_)
            audio_->setVolume(volume);
    });
}

MoviePlayerWidget::~MoviePlayerWidget() {
    // The player dies with the children, after this part of the object: it must not call back.
    if (player_) {
        player_->disconnect(this);
        sink_->disconnect(this); // stopping hands out a last, empty frame
    }
}

void MoviePlayerWidget::apply(const platform::ControlState& state) {
    auto movie = std::dynamic_pointer_cast<QtMovie>(state.movie);
    if (movie != movie_) {
        movie_ = std::move(movie);
        sourceIsMovie_ = false;
        if (player_)
            player_->stop();
    }
    controller_->setVisible(state.hasController);
    controller_->showStepControls(state.hasStepControls);
    controller_->showVolumeControl(state.hasVolumeControl);
}

void MoviePlayerWidget::play() {
    awaitingStop_ = true;
    // Started from the event loop, so that the window is on screen before the pipeline is built.
    QTimer::singleShot(0, this, &MoviePlayerWidget::startPlayback);
}

void MoviePlayerWidget::startPlayback() {
    if (!movie_) {
        awaitingStop_ = true;
        stopped();
        return;
    }
    // Qt Multimedia is not touched before the sound server's answer is known (see AudioOutputs),
    // and the window is not held up meanwhile.
    if (!player_ && !SoundServerCheck::decided()) {
        QTimer::singleShot(kServerRecheckMs, this, &MoviePlayerWidget::startPlayback);
        return;
    }
    ensurePlayer();
    if (!sourceIsMovie_) {
        player_->setSource(QUrl::fromLocalFile(QString::fromStdString(movie_->file().string())));
        sourceIsMovie_ = true;
    }
    if (player_->playbackState() == QMediaPlayer::PlayingState)
        return;
    if (player_->mediaStatus() == QMediaPlayer::EndOfMedia) {
        player_->setPosition(0);
        furthest_ = 0;
    }
    player_->play();
}

void MoviePlayerWidget::ensurePlayer() {
    if (player_)
        return;
    const bool withSound = AudioOutputs::available(); // before the player: it decides what GStreamer gets
    player_ = new QMediaPlayer(this);
    sink_ = new QVideoSink(player_);
    player_->setVideoSink(sink_);
    connect(sink_, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
        frame_ = frame;
        update(screenRect());
    });
    if (withSound) {
        audio_ = new QAudioOutput(player_);
        audio_->setVolume(controller_->volume());
        player_->setAudioOutput(audio_);
    }
    // Qt Multimedia has registered its exit handlers by now, its PulseAudio connection's among them.
    static const bool endComesFirst = (ProcessEnd::comeBeforeExitHandlersSoFar(), true);
    (void)endComesFirst;
    connect(player_, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error error, const QString& reason) {
                if (error != QMediaPlayer::NoError)
                    failed(reason);
            });
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia)
            failed(player_->errorString());
        else if (status == QMediaPlayer::EndOfMedia)
            stopped();
    });
    connect(player_, &QMediaPlayer::positionChanged, this,
            [this](qint64 position) { furthest_ = std::max(furthest_, position); });
    connect(player_, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
        controller_->setPlaying(state == QMediaPlayer::PlayingState);
        if (state == QMediaPlayer::StoppedState)
            stopped();
    });
}

void MoviePlayerWidget::togglePlayPause() {
    if (player_ && player_->playbackState() == QMediaPlayer::PlayingState) {
        player_->pause();
        return;
    }
    awaitingStop_ = true;
    startPlayback();
}

void MoviePlayerWidget::step(int frames) {
    if (!player_)
        return;
    const double rate = player_->metaData().value(QMediaMetaData::VideoFrameRate).toDouble();
    const auto frameMs = static_cast<qint64>(1000.0 / (rate > 0 ? rate : defaultFrameRate));
    player_->pause();
    player_->setPosition(std::clamp(player_->position() + frames * frameMs, qint64{0}, player_->duration()));
}

void MoviePlayerWidget::failed(const QString& reason) {
    if (!awaitingStop_)
        return;
    const QString why = reason.isEmpty() ? QStringLiteral("cannot decode it") : reason;
    std::fprintf(stderr, "kelvory: cannot play %s: %s\n", movie_ ? movie_->file().c_str() : "the movie",
                 qPrintable(why));
    stopped();
}

// A file cut short plays what it has and ends early, without an error from the decoder.
void MoviePlayerWidget::sayIfCutShort() const {
    if (!player_ || player_->error() != QMediaPlayer::NoError)
        return;
    const qint64 length = player_->duration();
    if (furthest_ > 0 && length > 0 && furthest_ + shortfallMs < length)
        std::fprintf(stderr, "kelvory: %s ended at %.1f s of its %.1f s: the file is cut short\n",
                     movie_ ? movie_->file().c_str() : "the movie", furthest_ / 1000.0, length / 1000.0);
}

void MoviePlayerWidget::stopped() {
    if (!awaitingStop_)
        return;
    awaitingStop_ = false;
    sayIfCutShort();
    report("a movie player's MovieStopped", [](auto& e) { e.movieStopped(); });
    QMetaObject::invokeMethod(this, &MoviePlayerWidget::releasePlayerIfDone, Qt::QueuedConnection);
}

QRect MoviePlayerWidget::screenRect() const {
    QRect screen = rect();
    if (controller_->isVisible())
        screen.setBottom(controller_->geometry().top() - 1);
    return screen;
}

void MoviePlayerWidget::paintEvent(QPaintEvent*) {
    // A movie screen is dark before and between frames, and around a frame of another shape.
    const QRect screen = screenRect();
    QPainter painter(this);
    painter.fillRect(screen, Qt::black);
    const QImage image = FrameConverter::toImage(frame_);
    if (image.isNull())
        return;
    QRect target(QPoint(), image.size().scaled(screen.size(), Qt::KeepAspectRatio));
    target.moveCenter(screen.center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
}

void MoviePlayerWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Later, as the player may be inside one of its own signals.
    QMetaObject::invokeMethod(this, &MoviePlayerWidget::releasePlayerIfDone, Qt::QueuedConnection);
}

// A hidden player whose movie has stopped keeps no pipeline, decoder threads or frames; playing
// it again makes them anew.
void MoviePlayerWidget::releasePlayerIfDone() {
    if (!player_ || awaitingStop_ || isVisible())
        return;
    // Quietly: nothing about this player changes for whoever watched it play.
    player_->blockSignals(true);
    sink_->blockSignals(true);
    delete player_; // with its sink and audio output
    player_ = nullptr;
    sink_ = nullptr;
    audio_ = nullptr;
    frame_ = QVideoFrame();
    sourceIsMovie_ = false;
    furthest_ = 0;
    // The decoders' frame buffers were freed into the allocator's pools of threads that are gone;
    // handed back, they stop counting against the program for the rest of its run.
    malloc_trim(0);
}

} // namespace fw::qt
