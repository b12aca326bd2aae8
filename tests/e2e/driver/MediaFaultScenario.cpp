#include "Desktop.h"
#include "ExpectedTexts.h"
#include "Journey.h"
#include "MessageBoxAnswerer.h"
#include "RatingProbe.h"
#include "Report.h"
#include "Scenario.h"
#include "Scenarios.h"

#include <QPushButton>
#include <QWidget>
#include <array>

namespace {

constexpr int kMostPresses = 3000;
constexpr int kPressesWithoutTarget = 30;
// Each damaged verdict is drawn twice: its first draw and a later one fail differently inside.
constexpr int kDrawsOfEachTarget = 2;
constexpr const char* kPictureClass = "fw::qt::CanvasWidget";

void checkRatingWindowTexts(QWidget* rating) {
    for (const char* caption : {"Rate Me", "Quit", "Visit Website"})
        Report::check(Desktop::button(rating, QString::fromUtf8(caption)) != nullptr,
                      std::string("the rating window shows \"") + caption + "\"");
    for (const char* label : {"lbl_description", "lbl_Copyright", "lbl_hotnessnmeter"})
        Report::check(!Desktop::labelText(rating, QString::fromUtf8(label)).trimmed().isEmpty(),
                      std::string("the rating window's ") + label + " has its text");
}

// "Exit" without its farewell sound: the press fails, said on standard error; the program shows
// no message box and goes on running. It is left by the credits' close box instead.
void leaveWithoutFarewell(QWidget* credits) {
    MessageBoxAnswerer answerer;
    constexpr int kPresses = 2;
    for (int press = 0; press < kPresses; ++press) {
        Desktop::click(Desktop::button(credits, QStringLiteral("Exit")));
        Desktop::pause(Journey::scaled(500));
    }
    Report::fact("exit_presses", kPresses);
    Report::check(answerer.boxesSeen() == 0, "no message box without the farewell sound");
    Report::check(credits->isVisible(), "the credits stay after a failed \"Exit\"");
    Report::done();
    Journey::expectEnd("the last window was closed");
    Desktop::closeBox(credits);
}

} // namespace

void scenarios::mediaFault(const Scenario& scenario) {
    const std::vector<int> targets = scenario.intListArg("draws");
    // What of the bundle the windows ask for as they are made: the intro's movie, the pictures.
    Report::fact("movie_players", Desktop::controlsOfClass(Desktop::window(expected::kIntroTitle),
                                                           "fw::qt::MoviePlayerWidget"));
    QWidget* rating = Journey::awaitHandOver();
    checkRatingWindowTexts(rating);

    RatingProbe probe(rating);
    probe.setTickPeriod(1);
    std::array<int, 22> drawn{};
    int presses = 0;
    auto enough = [&] {
        for (int target : targets)
            if (drawn.at(static_cast<std::size_t>(target)) < kDrawsOfEachTarget)
                return false;
        return !targets.empty() || presses >= kPressesWithoutTarget;
    };
    while (!enough() && presses < kMostPresses) {
        const int verdict = Journey::rate(rating);
        if (verdict >= 0)
            ++drawn.at(static_cast<std::size_t>(verdict));
        ++presses;
    }
    Report::check(enough(), "the damaged verdicts were drawn twice each");
    Report::fact("ratings", presses);
    Report::check(probe.ratings() == presses, "every press started one rating");
    for (int target : targets)
        Report::fact("drawn." + std::to_string(target), drawn.at(static_cast<std::size_t>(target)));
    probe.setTickPeriod(4500);

    QWidget* credits = Journey::quitToCredits(rating);
    Report::fact("pictures", Desktop::controlsOfClass(rating, kPictureClass) +
                                 Desktop::controlsOfClass(credits, kPictureClass));
    if (scenario.arg("farewell") == "missing")
        leaveWithoutFarewell(credits);
    else
        Journey::exitWithFarewell(credits);
}
