// What the user hears: the program on a sound server of this case's own, recorded from its sink's
// monitor from the start.
#include "runner/BundleCopy.h"
#include "runner/ProgramRun.h"
#include "runner/RunChecks.h"
#include "runner/Tools.h"
#include "support/SoundServerProbe.h"

#include <chrono>
#include <cstdint>
#include <gtest/gtest.h>
#include <sched.h>
#include <stop_token>
#include <thread>
#include <vector>

namespace {

constexpr std::uint32_t kRate = 44100;
constexpr std::size_t kClipFrames = kRate * 3 / 2;
constexpr std::int16_t kLow = 6000, kHigh = 10000;

// A buzz of values no other sound of the run has, never silent: the recording tells whether every
// one of its samples arrived, in order, without a gap.
std::string buzzWav() {
    std::string samples;
    for (std::size_t i = 0; i < kClipFrames; ++i) {
        const auto value = static_cast<std::uint16_t>((i / 50) % 2 ? kHigh : kLow);
        samples += {static_cast<char>(value), static_cast<char>(value >> 8)};
    }
    return monoWave(kRate, 16, samples);
}

std::size_t longestBuzz(const std::vector<std::int16_t>& left) {
    std::size_t longest = 0, run = 0;
    for (const std::int16_t sample : left) {
        run = sample == kLow || sample == kHigh ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// Every core this process may run on kept busy by a thread that spins until this goes. The case
// runs alone (see CMakeLists.txt), so that only the program under test competes with them.
class BusyCores {
public:
    BusyCores() {
        cpu_set_t allowed;
        CPU_ZERO(&allowed);
        const int cores = sched_getaffinity(0, sizeof allowed, &allowed) == 0 ? CPU_COUNT(&allowed) : 1;
        for (int k = 0; k < cores; ++k)
            spinners_.emplace_back([](const std::stop_token& stop) {
                while (!stop.stop_requested()) {
                }
            });
    }

private:
    std::vector<std::jthread> spinners_;
};

TEST(Sound, AVerdictIsHeardWholeWhileEveryCoreIsBusy) {
    BundleCopy bundle(Tools::driverBuild());
    for (int k = 0; k < 22; ++k)
        bundle.write("R" + std::to_string(k) + ".mp3", buzzWav());
    const PrivateSoundServer server;
    MonitorRecording heard(server, bundle.work() / "heard.raw");
    ASSERT_TRUE(heard.waitUntilStarted()) << "parec records nothing: is PULSE_SERVER set?";
    RunResult run = [&] {
        const BusyCores busy;
        return ProgramRun(bundle).arguments({"whole-run"}).run();
    }();
    ASSERT_TRUE(runchecks::scenarioPassed(run, 0));
    EXPECT_EQ(longestBuzz(heard.stop()), kClipFrames) << "the verdict's sound, whole and without a gap";
}

// Stopped, the server takes connections and answers none: the program is not kept waiting on it.
TEST(Sound, AServerThatNeverAnswersHoldsUpNothing) {
    BundleCopy bundle(Tools::driverBuild());
    const PrivateSoundServer server;
    server.stopAnswering();
    const RunResult run = ProgramRun(bundle)
                              .arguments({"whole-run"})
                              .timeout(std::chrono::seconds(30) * Tools::timeScale())
                              .run();
    ASSERT_TRUE(runchecks::scenarioPassed(run, 0));
    EXPECT_EQ(run.linesMentioning("kelvory: the sound server does not answer"), 1) << run.describe();
}

} // namespace
