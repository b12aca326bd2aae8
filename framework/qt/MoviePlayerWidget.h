#pragma once

#include "qt/ControlView.h"

#include <QMediaPlayer>
#include <QWidget>
#include <memory>

class QAudioOutput;
class QVBoxLayout;
class QVideoWidget;

namespace fw::qt {

class MovieControllerBar;
class QtMovie;

// A movie with an optional controller strip at the bottom. The media pipeline and the video
// surface are made on the first play, after the window has had its chance to appear.
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

private:
    void startPlayback();
    void ensurePlayer();
    void togglePlayPause();
    void step(int frames);
    void failed(const QString& reason);
    // Says when playback ended well before the movie's length.
    void sayIfCutShort() const;
    // Reports MovieStopped, once for each time playback was asked for.
    void stopped();

    QVBoxLayout* layout_;
    MovieControllerBar* controller_;
    QVideoWidget* video_ = nullptr;
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* audio_ = nullptr;
    std::shared_ptr<QtMovie> movie_;
    bool sourceIsMovie_ = false;
    bool awaitingStop_ = false;
    qint64 furthest_ = 0; // the furthest position played, in milliseconds
};

} // namespace fw::qt
