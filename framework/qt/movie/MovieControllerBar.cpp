#include "qt/movie/MovieControllerBar.h"

#include <QHBoxLayout>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

namespace fw::qt {

namespace {
constexpr int fullVolume = 100;
constexpr int volumeSliderWidth = 90;
} // namespace

MovieControllerBar::MovieControllerBar(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    playPause_ = addButton(QStringLiteral("playPause"), tr("Play"));
    stepBack_ = addButton(QStringLiteral("stepBack"), tr("Step back"));
    stepForward_ = addButton(QStringLiteral("stepForward"), tr("Step forward"));
    stepBack_->setIcon(style()->standardIcon(QStyle::SP_MediaSeekBackward));
    stepForward_->setIcon(style()->standardIcon(QStyle::SP_MediaSeekForward));
    layout->addStretch(1);
    volume_ = new QSlider(Qt::Horizontal, this);
    volume_->setObjectName(QStringLiteral("volume"));
    volume_->setAccessibleName(tr("Volume"));
    volume_->setRange(0, fullVolume);
    volume_->setValue(fullVolume);
    volume_->setFixedWidth(volumeSliderWidth);
    layout->addWidget(volume_);
    setPlaying(false);

    connect(playPause_, &QToolButton::clicked, this, &MovieControllerBar::playPauseClicked);
    connect(stepBack_, &QToolButton::clicked, this, &MovieControllerBar::stepBackClicked);
    connect(stepForward_, &QToolButton::clicked, this, &MovieControllerBar::stepForwardClicked);
    connect(volume_, &QSlider::valueChanged, this, [this] { emit volumeChanged(volume()); });
}

QToolButton* MovieControllerBar::addButton(const QString& name, const QString& label) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setAccessibleName(label);
    button->setToolTip(label);
    button->setAutoRaise(true);
    layout()->addWidget(button);
    return button;
}

void MovieControllerBar::showStepControls(bool on) {
    stepBack_->setVisible(on);
    stepForward_->setVisible(on);
}

void MovieControllerBar::showVolumeControl(bool on) {
    volume_->setVisible(on);
}

void MovieControllerBar::setPlaying(bool playing) {
    playPause_->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    const QString label = playing ? tr("Pause") : tr("Play");
    playPause_->setAccessibleName(label);
    playPause_->setToolTip(label);
}

float MovieControllerBar::volume() const {
    return static_cast<float>(volume_->value()) / fullVolume;
}

} // namespace fw::qt
