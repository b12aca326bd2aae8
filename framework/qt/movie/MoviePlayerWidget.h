#pragma once

#include "qt/ControlView.h"

#include <QMediaPlayer>
#include <QVideoFrame>
#include <QWidget>
#include <memory>

class QAudioOutput;
class QVBoxLayout;
class QVideoSink;

namespace fw::qt {

class MovieControllerBar;
class QtMovie;

// A movie with an optional controller strip at the bottom. The media pipeline is made on the first
// play, after the window has had its chance to appear, and let go once the movie has stopped and
// the player is hidden. Frames are drawn with QPainter, so that no GPU context is ever made.
class MoviePlayerWidget final : public QWidget, public ControlView {
    Q_OBJECT
public:
    MoviePlayerWidget(platform::ControlEvents& events, QWidget* parent);
    ~MoviePlayerWidget() override;

    QWidget* widget() override { return this; }
    void apply(const platform::ControlState& state) override;
    void play() override;

    // Null until the first play.
    QMediaPlayer* player() const { return player_; }
    MovieControllerBar* controller() const { return controller_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void startPlayback();
    void ensurePlayer();
    void releasePlayerIfDone();
    QRect screenRect() const;
    void togglePlayPause();
    void step(int frames);
    void failed(const QString& reason);
    // Says when playback ended well before the movie's length.
    void sayIfCutShort() const;
    // Reports MovieStopped, once for each time playback was asked for.
    void stopped();

    QVBoxLayout* layout_;
    MovieControllerBar* controller_;
    QMediaPlayer* player_ = nullptr;
    QVideoSink* sink_ = nullptr;
    QAudioOutput* audio_ = nullptr;
    QVideoFrame frame_; // the latest, drawn at the next paint
    std::shared_ptr<QtMovie> movie_;
    bool sourceIsMovie_ = false;
    bool awaitingStop_ = false;
    qint64 furthest_ = 0; // the furthest position played, in milliseconds
};

} // namespace fw::qt
