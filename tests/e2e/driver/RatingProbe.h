#pragma once

#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

class QWidget;

// Watches the rating cycle from outside the program: a rating is "Rate Me" turning disabled (the
// only thing that disables it), a tick is a firing of the rating window's own timer.
class RatingProbe : public QObject {
public:
    explicit RatingProbe(QWidget* ratingWindow);

    // The window's timer, the Qt timer behind its 4500 ms tick. Shortening it makes the real
    // tick path run as often as a long test needs.
    void setTickPeriod(int ms);

    QPushButton* rateMe() const { return rateMe_; }
    int ratings() const { return ratings_; }
    int ticks() const { return ticks_; }
    // The most ratings seen between two consecutive ticks.
    int mostRatingsBetweenTicks() const { return most_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QPushButton> rateMe_;
    QPointer<QTimer> timer_;
    int ratings_ = 0;
    int ticks_ = 0;
    int sinceTick_ = 0;
    int most_ = 0;
};
