#include "Journey.h"

#include "Desktop.h"
#include "ExpectedTexts.h"
#include "MessageBoxAnswerer.h"
#include "Report.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMediaPlayer>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

namespace {

// The 6 s movie, and its pipeline's start on a machine that may be loaded: a bound for a hang,
// not a time to meet.
constexpr int kHandOverMs = 60000;

QString mediaStatusName(QMediaPlayer::MediaStatus status) {
    switch (status) {
    case QMediaPlayer::EndOfMedia:
        return QStringLiteral("EndOfMedia");
    case QMediaPlayer::InvalidMedia:
        return QStringLiteral("InvalidMedia");
    case QMediaPlayer::NoMedia:
        return QStringLiteral("NoMedia");
    default:
        return QStringLiteral("other");
    }
}

// Counts the times a button turns disabled: a fast tick may enable it again before a click's
// own event processing is over, so its state after the click proves nothing.
class DisableCount : public QObject {
public:
    explicit DisableCount(QPushButton* button) : button_(button) { button_->installEventFilter(this); }
    ~DisableCount() override { button_->removeEventFilter(this); }
    int count() const { return count_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == button_ && event->type() == QEvent::EnabledChange && !button_->isEnabled())
            ++count_;
        return false;
    }

private:
    QPushButton* button_;
    int count_ = 0;
};

} // namespace

int Journey::scaled(int ms) {
    static const int scale = [] {
        const char* text = std::getenv("KELVORY_E2E_TIME_SCALE");
        const int value = text ? std::atoi(text) : 1;
        return value > 0 ? value : 1;
    }();
    return ms * scale;
}

QWidget* Journey::awaitHandOver() {
    QElapsedTimer clock;
    clock.start();
    QWidget* intro = Desktop::window(expected::kIntroTitle);
    Report::require(intro != nullptr, "the intro window exists at start");
    Report::check(intro->isVisible(), "the intro window is shown at start");
    Report::check(Desktop::windows(expected::kRatingTitle).isEmpty(),
                  "no rating window while the intro plays");
    // How the movie ended, followed as it plays: the player lets its pipeline go once the intro
    // is hidden.
    QObject watching;
    QPointer<QMediaPlayer> player;
    QString status = QStringLiteral("no player");
    qint64 duration = 0;
    const bool handedOver = Desktop::waitFor(
        [&] {
            if (!player && (player = intro->findChild<QMediaPlayer*>())) {
                status = mediaStatusName(player->mediaStatus());
                duration = player->duration();
                QObject::connect(player, &QMediaPlayer::mediaStatusChanged, &watching,
                                 [&](QMediaPlayer::MediaStatus now) { status = mediaStatusName(now); });
                QObject::connect(player, &QMediaPlayer::durationChanged, &watching,
                                 [&](qint64 now) { duration = now; });
            }
            return Desktop::shown(expected::kRatingTitle) && !intro->isVisible();
        },
        scaled(kHandOverMs));
    Report::require(handedOver, "the intro hands over to the rating window within 60 s");
    Report::fact("handover_ms", clock.elapsed());
    Report::fact("movie_status", status.toStdString());
    if (status != QStringLiteral("no player"))
        Report::fact("movie_duration_ms", duration);
    QWidget* rating = Desktop::window(expected::kRatingTitle);
    Report::check(rating->isVisible(), "the rating window is shown");
    Report::check(!Desktop::shown(expected::kCreditsTitle), "no credits yet");
    return rating;
}

int Journey::rate(QWidget* rating) {
    QPushButton* rateMe = Desktop::button(rating, QStringLiteral("Rate Me"));
    Report::require(rateMe != nullptr, "\"Rate Me\" is on the rating window");
    Report::require(Desktop::waitFor([&] { return rateMe->isEnabled(); }, scaled(6000)),
                    "\"Rate Me\" is enabled within a tick");
    const DisableCount disabled(rateMe);
    Desktop::click(rateMe);
    Report::check(disabled.count() == 1, "\"Rate Me\" turns disabled once by a press");
    const QString shown = Desktop::labelText(rating, QStringLiteral("lbl_result"));
    const int number = expected::verdictNumber(shown);
    Report::check(number >= 0, "the label shows one verdict exactly, not \"" + shown.toStdString() + "\"");
    return number;
}

QWidget* Journey::quitToCredits(QWidget* rating) {
    Desktop::click(Desktop::button(rating, QStringLiteral("Quit")));
    Report::require(Desktop::waitFor([] { return Desktop::shown(expected::kCreditsTitle); }, scaled(5000)),
                    "\"Quit\" shows the credits");
    Report::check(!Desktop::shown(expected::kRatingTitle), "the rating window is hidden with the credits");
    Report::check(!Desktop::shown(expected::kIntroTitle), "the intro window is hidden with the credits");
    Report::check(Desktop::windows(expected::kCreditsTitle).size() == 1, "one credits window");
    return Desktop::window(expected::kCreditsTitle);
}

void Journey::exitWithFarewell(QWidget* credits) {
    MessageBoxAnswerer answerer;
    Report::step("exit");
    Desktop::click(Desktop::button(credits, QStringLiteral("Exit")));
    Report::check(answerer.boxesSeen() == 1,
                  "\"Exit\" shows one message box, saw " + std::to_string(answerer.boxesSeen()));
    Report::check(answerer.lastText() == expected::kFarewell,
                  "the farewell reads exactly, not \"" + answerer.lastText().toStdString() + "\"");
    Report::done();
    expectEnd("the farewell was dismissed");
}

void Journey::expectEnd(const char* why) {
    QTimer::singleShot(scaled(10000), QCoreApplication::instance(),
                       [why] { Report::require(false, std::string("the program ends once ") + why); });
}
