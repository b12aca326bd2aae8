// The executable users run, with no scenario driving it: what it does on its own at start.
#include "runner/BundleCopy.h"
#include "runner/MediaFault.h"
#include "runner/ProgramRun.h"
#include "runner/RunChecks.h"
#include "runner/Tools.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// Past the intro movie's hand-over and a few ticks of the rating window.
constexpr auto kRunningFor = 10s;

RunResult runWithoutDisplay(ProgramRun& program) {
    return program.timeout(30s * Tools::timeScale()).run();
}

void expectOneLineAboutTheDisplay(const RunResult& run) {
    EXPECT_FALSE(run.outcome().timedOut) << run.describe();
    EXPECT_FALSE(run.outcome().signaled) << "killed by a signal, maybe with a core\n" << run.describe();
    EXPECT_NE(run.outcome().exitStatus, 0) << run.describe();
    ASSERT_EQ(run.errLines().size(), 1u) << run.describe();
    EXPECT_EQ(run.errLines()[0].rfind("kelvory: ", 0), 0u) << run.describe();
    EXPECT_NE(run.errLines()[0].find("display"), std::string::npos) << run.describe();
}

TEST(ShippedProgram, WithNoDisplayNamedItSaysSoInOneLineAndEnds) {
    BundleCopy bundle(Tools::shippedProgram());
    ProgramRun program(bundle);
    program.unset("QT_QPA_PLATFORM").unset("DISPLAY").unset("WAYLAND_DISPLAY");
    expectOneLineAboutTheDisplay(runWithoutDisplay(program));
}

TEST(ShippedProgram, WithADisplayThatIsNotThereItSaysSoInOneLineAndEnds) {
    BundleCopy bundle(Tools::shippedProgram());
    ProgramRun program(bundle);
    // A display number no server uses: the connection itself fails.
    program.set("QT_QPA_PLATFORM", "xcb").set("DISPLAY", ":4093").unset("WAYLAND_DISPLAY");
    expectOneLineAboutTheDisplay(runWithoutDisplay(program));
}

class ShippedProgramWithFault : public ::testing::TestWithParam<MediaFault> {};

// Nobody presses anything: the intro hands over on its own and the program waits for its user.
TEST_P(ShippedProgramWithFault, KeepsRunningAfterTheIntro) {
    BundleCopy bundle(Tools::shippedProgram());
    GetParam().damage(bundle);
    auto process = ProgramRun(bundle).start();
    const bool ended = process->waitForEnd(kRunningFor * Tools::timeScale());
    process->kill();
    EXPECT_FALSE(ended) << "ended by itself within " << kRunningFor.count() << " s:\n" << process->errSoFar();
    const RunResult run(process->finish(1s));
    EXPECT_TRUE(run.checkerLines().empty()) << run.describe();
    EXPECT_TRUE(runchecks::nothingForeign(run));
}

INSTANTIATE_TEST_SUITE_P(Bundle, ShippedProgramWithFault, ::testing::ValuesIn(MediaFault::all()),
                         [](const ::testing::TestParamInfo<MediaFault>& info) { return info.param.name; });

} // namespace
