// A long session: many ratings, then many rating windows made and closed again. Under
// `make test-sanitize` this is where leaks and use-after-free of windows, controls and timers
// would show.
#include "runner/BundleCopy.h"
#include "runner/ProgramRun.h"
#include "runner/RunChecks.h"
#include "runner/Tools.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

constexpr int kRatings = 10000;
constexpr int kRecreations = 100;

TEST(Load, TenThousandRatingsThenAHundredNewRatingWindows) {
    BundleCopy bundle(Tools::driverBuild());
    const RunResult run = ProgramRun(bundle)
                              .arguments({"load", "ratings=" + std::to_string(kRatings),
                                          "recreations=" + std::to_string(kRecreations)})
                              .timeout(300s * Tools::timeScale())
                              .run();
    ASSERT_TRUE(runchecks::scenarioPassed(run, 0));
    EXPECT_EQ(run.number("ratings"), kRatings) << "ratings lost or doubled\n" << run.describe();
    EXPECT_EQ(run.number("most_ratings_between_ticks"), 1) << run.describe();
    EXPECT_EQ(run.number("verdicts_seen"), 22) << run.describe();
    EXPECT_EQ(run.number("rating_windows_made"), kRecreations) << run.describe();
    EXPECT_EQ(run.number("rating_windows_destroyed"), kRecreations) << run.describe();
    EXPECT_TRUE(runchecks::nothingForeign(run));
}

} // namespace
