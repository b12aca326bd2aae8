#include "Desktop.h"
#include "ExpectedTexts.h"
#include "Journey.h"
#include "MessageBoxAnswerer.h"
#include "RatingProbe.h"
#include "Report.h"
#include "Scenario.h"
#include "Scenarios.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace {

// Short ticks, so that the bursts below span many of them.
constexpr int kTickMs = 100;

struct LinkCount {
    int website = 0;
    int contact = 0;
};

// A verdict label that changes without a rating started would be a rating that "Rate Me"'s
// disabled state did not stop.
class VerdictWatch {
public:
    VerdictWatch(QWidget* rating, const RatingProbe& probe) : rating_(rating), probe_(probe) { mark(); }
    void mark() {
        text_ = Desktop::labelText(rating_, QStringLiteral("lbl_result"));
        ratings_ = probe_.ratings();
    }
    void check(const char* after) {
        const QString now = Desktop::labelText(rating_, QStringLiteral("lbl_result"));
        if (now != text_)
            Report::check(probe_.ratings() > ratings_,
                          std::string("the verdict changes only by a rating (") + after + ")");
        mark();
    }

private:
    QWidget* rating_;
    const RatingProbe& probe_;
    QString text_;
    int ratings_ = 0;
};

void mouseOnRating(QWidget* rating, RatingProbe& probe, LinkCount& links) {
    VerdictWatch verdict(rating, probe);
    QPushButton* rateMe = probe.rateMe();
    QPushButton* visit = Desktop::button(rating, QStringLiteral("Visit Website"));
    QWidget* copyright = Desktop::control(rating, QStringLiteral("lbl_Copyright"));
    for (int round = 0; round < 20; ++round) {
        Desktop::queueClicks(rateMe, 15);
        if (round % 5 == 0) {
            Desktop::queueClicks(visit, 1);
            Desktop::queueClicks(copyright, 1);
            links.website += 2;
        }
        Desktop::pause(Journey::scaled(40));
        verdict.check("a burst of clicks");
    }
    for (int i = 0; i < 200; ++i) {
        Desktop::click(rateMe);
        verdict.check("a click");
        if (i % 10 == 9)
            Desktop::pause(15);
    }
}

// Tab, Space and Return over the rating window's buttons, except that "Quit" is passed by here:
// leaving is tried on its own below.
void keysOnRating(QWidget* rating, RatingProbe& probe, LinkCount& links) {
    Report::require(Desktop::activate(rating), "the rating window gets the keyboard");
    VerdictWatch verdict(rating, probe);
    QPushButton* quit = Desktop::button(rating, QStringLiteral("Quit"));
    QPushButton* visit = Desktop::button(rating, QStringLiteral("Visit Website"));
    const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Space, Qt::Key_Return};
    int activations = 0;
    for (int i = 0; i < 300; ++i) {
        QWidget* focused = Desktop::focused();
        Qt::Key key = keys[i % 4];
        if (focused == quit && key != Qt::Key_Tab)
            key = Qt::Key_Tab;
        if (key == Qt::Key_Space && focused == visit)
            ++links.website;
        if (key == Qt::Key_Space && qobject_cast<QPushButton*>(focused))
            ++activations;
        Desktop::key(key);
        verdict.check("a key");
        if (i % 20 == 19)
            Desktop::pause(15);
    }
    Report::fact("key_activations", activations);
}

// "Quit" many times at once, then the close box several times: one credits window.
QWidget* leaveInAHurry(QWidget* rating) {
    QPointer<QWidget> window = rating;
    Desktop::queueClicks(Desktop::button(rating, QStringLiteral("Quit")), 20);
    // Queued at once, the burst arrives in one pass of the event loop: once the credits show, all
    // of it has arrived.
    Report::check(
        Desktop::waitFor([] { return Desktop::shown(expected::kCreditsTitle); }, Journey::scaled(5000)),
        "a burst on \"Quit\" shows the credits");
    Report::check(Desktop::windows(expected::kCreditsTitle).size() == 1,
                  "one credits window after the burst");
    for (int i = 0; i < 3 && window; ++i) {
        Desktop::closeBox(window);
        Desktop::pause(Journey::scaled(50));
    }
    Report::check(Desktop::windows(expected::kCreditsTitle).size() == 1,
                  "one credits window after close boxes");
    Report::check(!Desktop::shown(expected::kRatingTitle), "the rating window stays away");
    Report::check(!Desktop::shown(expected::kIntroTitle), "the intro stays away");
    return Desktop::window(expected::kCreditsTitle);
}

void inputOnCredits(QWidget* credits, LinkCount& links) {
    QPushButton* visit = Desktop::button(credits, QStringLiteral("Visit Our Website"));
    QPushButton* contact = Desktop::button(credits, QStringLiteral("Contact Us Now"));
    QPushButton* exit = Desktop::button(credits, QStringLiteral("Exit"));
    Desktop::queueClicks(visit, 10);
    Desktop::queueClicks(contact, 10);
    Desktop::queueClicks(Desktop::control(credits, QStringLiteral("Canvas1")), 10);
    links.website += 20;
    links.contact += 10;
    Desktop::pause(Journey::scaled(300));
    Report::require(Desktop::activate(credits), "the credits get the keyboard");
    for (int i = 0; i < 60; ++i) {
        QWidget* focused = Desktop::focused();
        Qt::Key key = i % 2 == 0 ? Qt::Key_Tab : Qt::Key_Space;
        if (focused == exit)
            key = Qt::Key_Tab;
        if (key == Qt::Key_Space && focused == visit)
            ++links.website;
        if (key == Qt::Key_Space && focused == contact)
            ++links.contact;
        Desktop::key(key);
        if (i % 10 == 9)
            Desktop::pause(Journey::scaled(100));
    }
    Report::check(Desktop::shown(expected::kCreditsTitle), "the credits stay through their links");
    Report::check(Desktop::windows(expected::kCreditsTitle).size() == 1,
                  "one credits window after its links");
}

// A burst on "Exit": one message box; clicks on "Exit" behind it are blocked by it.
void exitInAHurry(QWidget* credits) {
    QPushButton* exit = Desktop::button(credits, QStringLiteral("Exit"));
    MessageBoxAnswerer answerer([exit](QMessageBox&) {
        Desktop::queueClicks(exit, 5);
        Desktop::pause(Journey::scaled(100));
    });
    Desktop::queueClicks(exit, 10);
    Report::check(Desktop::waitFor([&] { return answerer.boxesSeen() > 0; }, Journey::scaled(5000)),
                  "a burst on \"Exit\" shows the farewell");
    Desktop::pause(Journey::scaled(300));
    Report::check(answerer.boxesSeen() == 1, "one message box, saw " + std::to_string(answerer.boxesSeen()));
    Report::check(answerer.lastText() == expected::kFarewell, "the farewell reads exactly");
}

} // namespace

void scenarios::rapidInput(const Scenario&) {
    QWidget* rating = Journey::awaitHandOver();
    LinkCount links;
    {
        RatingProbe probe(rating);
        probe.setTickPeriod(kTickMs);
        mouseOnRating(rating, probe, links);
        Report::step("mouse on the rating window over");
        keysOnRating(rating, probe, links);
        Report::step("keys on the rating window over");
        Report::fact("ratings", probe.ratings());
        Report::fact("ticks", probe.ticks());
        Report::fact("most_ratings_between_ticks", probe.mostRatingsBetweenTicks());
        Report::check(probe.mostRatingsBetweenTicks() <= 1, "at most one rating between two ticks");
        Report::check(probe.ratings() > 0, "some ratings were started");
    }
    QWidget* credits = leaveInAHurry(rating);
    inputOnCredits(credits, links);
    Report::fact("links.website", links.website);
    Report::fact("links.contact", links.contact);
    exitInAHurry(credits);
    Report::done();
    Journey::expectEnd("the farewell was dismissed");
}
