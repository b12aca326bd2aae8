// The real program with a damaged bundle: it must neither crash nor hang, the intro must still
// hand over and the rating still show its verdicts, and each fault must be said on standard
// error in one clear line per action that meets it, with no dialog.
#include "runner/MediaFault.h"

#include "runner/BundleCopy.h"
#include "runner/ProgramRun.h"
#include "runner/RunChecks.h"
#include "runner/Tools.h"

#include <gtest/gtest.h>

namespace {

class MediaFaultTest : public ::testing::TestWithParam<MediaFault> {};

// One run per damaged bundle: the driver checks the screen (hand-over, texts, verdicts, no message
// box but the farewell; without it, that "Exit" leaves the program running), and here what the
// same run said about the fault, against what the driver met of it.
TEST_P(MediaFaultTest, TheRunGoesOnAndEachFaultIsSaidInOneClearLine) {
    BundleCopy bundle(Tools::driverBuild());
    GetParam().damage(bundle);
    std::vector<std::string> words = {"media-fault"};
    words.insert(words.end(), GetParam().scenario.begin(), GetParam().scenario.end());
    const RunResult run = ProgramRun(bundle).arguments(words).run();

    ASSERT_TRUE(runchecks::scenarioPassed(run, 0));
    const long long actions = GetParam().failingActions(run);
    ASSERT_GT(actions, 0) << run.describe();
    for (const std::string& name : GetParam().named) {
        EXPECT_GE(run.linesMentioning(name), 1) << "nothing on standard error names " << name << "\n"
                                                << run.describe();
        EXPECT_LE(run.linesMentioning(name), actions)
            << "more lines on " << name << " than actions that met it\n"
            << run.describe();
    }
    // Beside the one line about the missing audio device, the program says nothing else.
    const long long said = static_cast<long long>(run.programLines().size()) -
                           run.linesMentioning("kelvory: no audio output device");
    EXPECT_LE(said, actions) << "a stack of lines for " << actions << " failing actions\n" << run.describe();
    EXPECT_TRUE(runchecks::nothingForeign(run));
    // Under AddressSanitizer freed memory waits in quarantine, and peaks of two runs do not compare.
    if (GetParam().peaksAsUndamaged && !Tools::sanitized()) {
        const RunResult normal = ProgramRun(BundleCopy(Tools::driverBuild())).arguments(words).run();
        // Half the damaged file, in KiB: more than two runs differ by, too little to hold the file.
        EXPECT_LT(run.outcome().peakMemoryKiB, normal.outcome().peakMemoryKiB + 32 * 1024) << run.describe();
    }
}

INSTANTIATE_TEST_SUITE_P(Bundle, MediaFaultTest, ::testing::ValuesIn(MediaFault::all()),
                         [](const ::testing::TestParamInfo<MediaFault>& info) { return info.param.name; });

} // namespace
