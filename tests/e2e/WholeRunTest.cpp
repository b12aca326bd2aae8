// The whole run as a user has it: the real intro movie, a real click on "Rate Me", the credits,
// the farewell and the exit status.
#include "runner/BundleCopy.h"
#include "runner/ProgramRun.h"
#include "runner/RunChecks.h"
#include "runner/Tools.h"
#include "runner/XServer.h"

#include <gtest/gtest.h>

namespace {

constexpr long long kMovieMs = 6000;

// The driver checks the screen at each step (see driver/WholeRunScenarios.cpp); here, what the
// whole run adds up to.
void expectTheWholeRun(const RunResult& run) {
    ASSERT_TRUE(runchecks::scenarioPassed(run, 0));
    // The movie was played to its end, and only then handed over.
    EXPECT_EQ(run.fact("movie_status"), "EndOfMedia") << run.describe();
    EXPECT_NEAR(run.number("movie_duration_ms"), kMovieMs, 250) << run.describe();
    EXPECT_GE(run.number("handover_ms"), kMovieMs - 1000) << run.describe();
    EXPECT_GE(run.number("verdict"), 0);
    // A normal run has nothing to say but that there is no sound device here.
    EXPECT_EQ(run.programLines().size(),
              static_cast<std::size_t>(run.linesMentioning("kelvory: no audio output")))
        << run.describe();
    EXPECT_TRUE(runchecks::nothingForeign(run));
}

TEST(WholeRun, IntroRatingCreditsAndFarewellEndWithStatusZero) {
    BundleCopy bundle(Tools::driverBuild());
    expectTheWholeRun(ProgramRun(bundle).arguments({"whole-run"}).run());
}

TEST(WholeRun, TheSameOnARealXServer) {
    const auto server = XServer::start();
    if (!server)
        GTEST_SKIP() << "no Xvfb on this machine";
    BundleCopy bundle(Tools::driverBuild());
    expectTheWholeRun(ProgramRun(bundle).onDisplay(server->display()).arguments({"whole-run"}).run());
}

} // namespace
