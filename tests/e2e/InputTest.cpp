// Input faster than the program answers, and the keyboard's way out.
#include "runner/BundleCopy.h"
#include "runner/ProgramRun.h"
#include "runner/RunChecks.h"
#include "runner/Tools.h"

#include <gtest/gtest.h>

namespace {

// Bursts of queued clicks and single clicks on "Rate Me", "Visit Website" and the copyright
// line; Tab, Space and Return over the rating window; a burst on "Quit" and repeated close
// boxes; bursts on every credits button and the logo, keys over them; a burst on "Exit" with
// more clicks behind its message box (driver/RapidInputScenario.cpp).
TEST(RapidInput, StartsAtMostOneRatingPerTickOneCreditsWindowAndOneFarewell) {
    BundleCopy bundle(Tools::driverBuild());
    const RunResult run = ProgramRun(bundle).arguments({"rapid-input"}).run();
    ASSERT_TRUE(runchecks::scenarioPassed(run, 0));
    EXPECT_EQ(run.number("most_ratings_between_ticks"), 1) << run.describe();
    EXPECT_GT(run.number("ratings"), 1) << run.describe();
    EXPECT_LE(run.number("ratings"), run.number("ticks") + 1) << run.describe();
    EXPECT_GT(run.number("key_activations"), 0) << "the keyboard pressed no button\n" << run.describe();
    // The offscreen platform opens no page and says so, once for each link activated.
    EXPECT_EQ(run.linesMentioning("kelvory: cannot open"),
              run.number("links.website") + run.number("links.contact"))
        << run.describe();
    EXPECT_TRUE(runchecks::nothingForeign(run));
}

TEST(QuitShortcut, CtrlQInTheCreditsWindowEndsTheProgramWithStatusZero) {
    BundleCopy bundle(Tools::driverBuild());
    const RunResult run = ProgramRun(bundle).arguments({"quit-shortcut"}).run();
    EXPECT_TRUE(runchecks::scenarioPassed(run, 0));
    EXPECT_TRUE(runchecks::nothingForeign(run));
}

} // namespace
