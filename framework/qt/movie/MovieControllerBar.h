#pragma once

#include <QWidget>

class QSlider;
class QToolButton;

namespace fw::qt {

// The strip under a movie: play/pause, a frame back and forward, and the volume.
class MovieControllerBar final : public QWidget {
    Q_OBJECT
public:
    explicit MovieControllerBar(QWidget* parent);

    void showStepControls(bool on);
    void showVolumeControl(bool on);
    void setPlaying(bool playing);
    // 0 to 1.
    float volume() const;

signals:
    void playPauseClicked();
    void stepBackClicked();
    void stepForwardClicked();
    void volumeChanged(float volume);

private:
    QToolButton* addButton(const QString& name, const QString& label);

    QToolButton* playPause_;
    QToolButton* stepBack_;
    QToolButton* stepForward_;
    QSlider* volume_;
};

} // namespace fw::qt
