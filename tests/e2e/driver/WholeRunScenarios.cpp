#include "Desktop.h"
#include "ExpectedTexts.h"
#include "Journey.h"
#include "Report.h"
#include "Scenario.h"
#include "Scenarios.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

constexpr int kTickMs = 4500;

// Addresses the desktop's opener has written to its log so far.
long recorded(const std::string& log) {
    std::ifstream in(log);
    return std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n');
}

// A link is handed to the desktop and the program goes on at once, whatever the desktop does.
// The opener runs detached, so where the runner names its log ("opened=") each address is awaited
// there before the next click: the log then keeps the order of the clicks.
void clickLink(const Scenario& scenario, QWidget* link, const char* what) {
    Report::require(link != nullptr, std::string("the link ") + what);
    const std::string log = scenario.arg("opened");
    const long before = recorded(log);
    QElapsedTimer clock;
    clock.start();
    Desktop::click(link);
    Report::check(clock.elapsed() < Journey::scaled(5000),
                  std::string("the link ") + what + " returns at once");
    if (!log.empty())
        Report::require(Desktop::waitFor([&] { return recorded(log) > before; }, Journey::scaled(10000)),
                        std::string("the opener records the link ") + what);
    Report::step(std::string("opened ") + what);
}

} // namespace

void scenarios::wholeRun(const Scenario&) {
    QWidget* rating = Journey::awaitHandOver();
    const int verdict = Journey::rate(rating);
    Report::fact("verdict", verdict);
    // Back at the next tick of the window's own 4500 ms timer, not before a press is over.
    QPushButton* rateMe = Desktop::button(rating, QStringLiteral("Rate Me"));
    QElapsedTimer clock;
    clock.start();
    Report::check(Desktop::waitFor([&] { return rateMe->isEnabled(); }, kTickMs + 1500),
                  "\"Rate Me\" comes back at the next tick");
    Report::fact("reenabled_ms", clock.elapsed());
    QWidget* credits = Journey::quitToCredits(rating);
    Journey::exitWithFarewell(credits);
}

void scenarios::links(const Scenario& scenario) {
    QWidget* rating = Journey::awaitHandOver();
    clickLink(scenario, Desktop::button(rating, QStringLiteral("Visit Website")), "Visit Website");
    clickLink(scenario, Desktop::control(rating, QStringLiteral("lbl_Copyright")), "copyright");
    Report::check(Desktop::shown(expected::kRatingTitle), "the rating window stays after its links");
    QWidget* credits = Journey::quitToCredits(rating);
    clickLink(scenario, Desktop::control(credits, QStringLiteral("Canvas1")), "logo");
    clickLink(scenario, Desktop::button(credits, QStringLiteral("Visit Our Website")), "Visit Our Website");
    clickLink(scenario, Desktop::button(credits, QStringLiteral("Contact Us Now")), "Contact Us Now");
    Report::check(Desktop::shown(expected::kCreditsTitle), "the credits stay after their links");
    Journey::exitWithFarewell(credits);
}

void scenarios::quitShortcut(const Scenario&) {
    QWidget* credits = Journey::quitToCredits(Journey::awaitHandOver());
    Report::require(Desktop::activate(credits), "the credits window gets the keyboard");
    Report::step("ctrl+q");
    // The credits show no menu bar, yet the application's shortcuts work in every window.
    Desktop::key(Qt::Key_Q, Qt::ControlModifier);
    // Ending the application raises no Closing, so no second credits window.
    Report::check(Desktop::windows(expected::kCreditsTitle).size() == 1, "Ctrl+Q makes no new credits");
    Report::done();
    Journey::expectEnd("Ctrl+Q was pressed");
}
