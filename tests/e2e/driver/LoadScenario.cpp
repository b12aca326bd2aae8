#include "Desktop.h"
#include "ExpectedTexts.h"
#include "Journey.h"
#include "RatingProbe.h"
#include "Report.h"
#include "Scenario.h"
#include "Scenarios.h"

#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <array>
#include <set>

namespace {

// Ratings as fast as the rating window's own timer allows once it ticks every millisecond: a
// real click on "Rate Me", then the real tick that enables it again.
void rateMany(QWidget* rating, int count) {
    RatingProbe probe(rating);
    probe.setTickPeriod(1);
    std::array<int, 22> drawn{};
    int unrecognised = 0;
    for (int i = 0; i < count; ++i) {
        const int verdict = Journey::rate(rating);
        if (verdict < 0)
            ++unrecognised;
        else
            ++drawn.at(static_cast<std::size_t>(verdict));
    }
    probe.setTickPeriod(4500);
    Report::fact("ratings", probe.ratings());
    Report::fact("ticks", probe.ticks());
    Report::fact("most_ratings_between_ticks", probe.mostRatingsBetweenTicks());
    Report::fact("verdicts_seen", std::count_if(drawn.begin(), drawn.end(), [](int n) { return n > 0; }));
    Report::check(unrecognised == 0, std::to_string(unrecognised) + " ratings showed no verdict exactly");
    Report::check(probe.ratings() == count, "each press started exactly one rating");
    Report::check(probe.mostRatingsBetweenTicks() <= 1, "at most one rating between two ticks");
}

bool ratingWindowGone() {
    return Desktop::windows(expected::kRatingTitle).isEmpty();
}

// The rating windows as they are seen to come and go, each counted once: made when first found
// among the program's windows, destroyed when it says so.
struct RatingWindowsSeen {
    QObject listening; // ends the listening with the count
    std::set<QWidget*> alive;
    int made = 0;
    int destroyed = 0;

    QList<QWidget*> look() {
        const QList<QWidget*> found = Desktop::windows(expected::kRatingTitle);
        for (QWidget* window : found)
            if (alive.insert(window).second) {
                ++made;
                QObject::connect(window, &QObject::destroyed, &listening, [this, window] {
                    alive.erase(window);
                    ++destroyed;
                });
            }
        return found;
    }
};

// The rating window's close box leaves it for the credits; a credits link then needs the rating
// window's addresses and makes a new, hidden one, which is closed again.
void recreateMany(QWidget* credits, int count) {
    QPushButton* visit = Desktop::button(credits, QStringLiteral("Visit Our Website"));
    RatingWindowsSeen seen;
    for (int i = 0; i < count; ++i) {
        Desktop::click(visit);
        Report::require(Desktop::waitFor([&] { return seen.look().size() == 1; }, Journey::scaled(5000)),
                        "a credits link makes one new rating window, round " + std::to_string(i));
        QPointer<QWidget> hidden = Desktop::window(expected::kRatingTitle);
        Report::check(!hidden->isVisible(), "the new rating window stays hidden");
        Report::check(Desktop::button(hidden, QStringLiteral("Rate Me")) != nullptr,
                      "the new rating window has its controls");
        Desktop::closeBox(hidden);
        Report::require(Desktop::waitFor([&] { return seen.look().isEmpty(); }, Journey::scaled(5000)),
                        "the closed rating window goes, round " + std::to_string(i));
        Report::check(credits->isVisible(), "the credits stay shown");
    }
    Report::fact("rating_windows_made", seen.made);
    Report::fact("rating_windows_destroyed", seen.destroyed);
    Report::check(Desktop::windows(expected::kCreditsTitle).size() == 1, "still one credits window");
}

} // namespace

void scenarios::load(const Scenario& scenario) {
    QWidget* rating = Journey::awaitHandOver();
    rateMany(rating, scenario.intArg("ratings", 10000));
    Report::step("ratings over");

    Desktop::closeBox(rating);
    Report::require(
        Desktop::waitFor([] { return Desktop::shown(expected::kCreditsTitle); }, Journey::scaled(5000)),
        "the rating window's close box shows the credits");
    Report::require(Desktop::waitFor(ratingWindowGone, Journey::scaled(5000)),
                    "the rating window closes after its close box");
    QWidget* credits = Desktop::window(expected::kCreditsTitle);
    recreateMany(credits, scenario.intArg("recreations", 100));
    Report::step("recreations over");
    Journey::exitWithFarewell(credits);
}
