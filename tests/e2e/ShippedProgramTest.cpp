// The executable users run, with no scenario driving it: what it does on its own at start.
#include "runner/BundleCopy.h"
#include "runner/MediaFault.h"
#include "runner/ProgramRun.h"
#include "runner/RunChecks.h"
#include "runner/Tools.h"
#include "runner/XServer.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// The intro's 6 s movie and then some, on a machine that may be loaded: a bound for a hang.
constexpr auto kHandOverWithin = 60s;
// How long it is watched after the hand-over: a crash just after it is as much a fault.
constexpr auto kWatchedAfterHandOver = 2s;

RunResult runWithoutDisplay(ProgramRun& program) {
    return program.timeout(30s * Tools::timeScale()).run();
}

void expectOneLineAboutTheDisplay(const RunResult& run) {
    EXPECT_FALSE(run.outcome().timedOut) << run.describe();
    EXPECT_FALSE(run.outcome().signaled) << "killed by a signal, maybe with a core\n" << run.describe();
    EXPECT_EQ(run.outcome().exitStatus, 1) << run.describe();
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

// Nobody presses anything: the intro hands over on its own (the rating window shown, the intro
// hidden, as the X server sees them) and the program waits for its user, its window still shown.
TEST_P(ShippedProgramWithFault, HandsOverAndKeepsRunning) {
    const auto server = XServer::start();
    if (!server || Tools::find("xwininfo").empty())
        GTEST_SKIP() << "no Xvfb or xwininfo on this machine";
    BundleCopy bundle(Tools::shippedProgram());
    GetParam().damage(bundle);
    auto process = ProgramRun(bundle).onDisplay(server->display()).start();
    const auto deadline = std::chrono::steady_clock::now() + kHandOverWithin * Tools::timeScale();
    bool handedOver = false, ended = false;
    while (!handedOver && !ended && std::chrono::steady_clock::now() < deadline) {
        ended = process->waitForEnd(100ms);
        handedOver = server->shows("Kelvory 1.0") && !server->shows("A Pellowick Production");
    }
    bool stillShown = handedOver;
    const auto watchedUntil = std::chrono::steady_clock::now() + kWatchedAfterHandOver * Tools::timeScale();
    while (stillShown && !ended && std::chrono::steady_clock::now() < watchedUntil) {
        ended = process->waitForEnd(100ms);
        stillShown = server->shows("Kelvory 1.0");
    }
    process->kill();
    const RunResult run(process->finish(1s));
    EXPECT_TRUE(handedOver) << "no hand-over to the rating window\n" << run.describe();
    EXPECT_FALSE(ended) << "ended by itself\n" << run.describe();
    EXPECT_TRUE(!handedOver || stillShown) << "the rating window went after the hand-over\n"
                                           << run.describe();
    EXPECT_TRUE(run.checkerLines().empty()) << run.describe();
    EXPECT_TRUE(runchecks::nothingForeign(run));
}

INSTANTIATE_TEST_SUITE_P(Bundle, ShippedProgramWithFault, ::testing::ValuesIn(MediaFault::all()),
                         [](const ::testing::TestParamInfo<MediaFault>& info) { return info.param.name; });

} // namespace
