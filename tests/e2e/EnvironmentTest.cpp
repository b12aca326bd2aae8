// What the desktop around the program may lack: a sound device, a browser.
#include "runner/BundleCopy.h"
#include "runner/ProgramRun.h"
#include "runner/RunChecks.h"
#include "runner/Tools.h"
#include "runner/UrlOpener.h"
#include "runner/XServer.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>

namespace {

int linesAboutSound(const RunResult& run) {
    return static_cast<int>(std::count_if(run.errLines().begin(), run.errLines().end(), [](std::string line) {
        std::transform(line.begin(), line.end(), line.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        return line.find("audio") != std::string::npos || line.find("pulse") != std::string::npos ||
               line.find("alsa") != std::string::npos || line.find("sound") != std::string::npos;
    }));
}

// A desktop without a sound device: the sound server named is not there (whatever this machine
// has), so the program finds no output. The run is the normal one, silent.
TEST(NoAudioDevice, TheRunIsNormalAndSilentWithAtMostOneLineAboutIt) {
    BundleCopy bundle(Tools::driverBuild());
    const RunResult run = ProgramRun(bundle)
                              .set("PULSE_SERVER", "unix:" + (bundle.work() / "no-sound-server").string())
                              .arguments({"whole-run"})
                              .run();
    ASSERT_TRUE(runchecks::scenarioPassed(run, 0));
    EXPECT_LE(linesAboutSound(run), 1) << run.describe();
}

struct OpenerCase {
    const char* name;
    UrlOpener::Kind opener;
    const char* command; // xdg-open, or the browser $BROWSER names
};

void PrintTo(const OpenerCase& opener, std::ostream* out) {
    *out << opener.name;
}

class UrlOpenerTest : public ::testing::TestWithParam<OpenerCase> {};

// Visit Website, the copyright line, the logo, Visit Our Website, Contact Us Now.
constexpr std::size_t kLinks = 5;

// On a real X server, where Qt hands links to the desktop's opener: whatever the opener does,
// each link reaches it once, in order, and the program runs on to its farewell.
TEST_P(UrlOpenerTest, LinksNeitherCrashNorHangTheProgram) {
    const auto server = XServer::start();
    if (!server)
        GTEST_SKIP() << "no Xvfb on this machine";
    BundleCopy bundle(Tools::driverBuild());
    const std::string command = GetParam().command;
    const UrlOpener opener(bundle.work() / "opener", GetParam().opener, command);
    std::vector<std::string> words{"links"};
    // With the log named, the driver awaits each address there before its next click, so that the
    // log keeps the order of the clicks.
    if (GetParam().opener != UrlOpener::Kind::Missing)
        words.push_back("opened=" + opener.log().string());
    ProgramRun program(bundle);
    program.onDisplay(server->display())
        .set("PATH", opener.path())
        .unset("DEFAULT_BROWSER")
        .unset("XDG_CURRENT_DESKTOP")
        .unset("DESKTOP_SESSION")
        .unset("BROWSER")
        .arguments(words);
    if (command != "xdg-open")
        program.set("BROWSER", command);
    const RunResult run = program.run();

    ASSERT_TRUE(runchecks::scenarioPassed(run, 0));
    EXPECT_TRUE(runchecks::nothingForeign(run));
    const int said = run.linesMentioning("/freeforfun") + run.linesMentioning("/write-us-now");
    if (GetParam().opener == UrlOpener::Kind::Missing) {
        // Nothing to hand them to: each link is said once, not once by the toolkit and again by us.
        EXPECT_EQ(said, static_cast<int>(kLinks)) << run.describe();
        return;
    }
    EXPECT_EQ(said, 0) << "the opener was started, whatever it did next\n" << run.describe();
    const auto opened = opener.awaitOpened(kLinks, std::chrono::seconds(10) * Tools::timeScale());
    ASSERT_EQ(opened.size(), kLinks) << "each click opens its page once";
    const auto website = std::count_if(opened.begin(), opened.end(), [](const std::string& url) {
        return url.rfind("https://", 0) == 0 && url.ends_with("/freeforfun");
    });
    EXPECT_EQ(website, 4) << "Visit Website, the copyright line, the logo, Visit Our Website";
    EXPECT_TRUE(opened.back().rfind("https://", 0) == 0 && opened.back().ends_with("/write-us-now"))
        << "Contact Us Now, last: " << opened.back();
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, UrlOpenerTest,
    ::testing::Values(OpenerCase{"OpenerRecords", UrlOpener::Kind::Recording, "xdg-open"},
                      OpenerCase{"OpenerMissing", UrlOpener::Kind::Missing, "xdg-open"},
                      OpenerCase{"OpenerFails", UrlOpener::Kind::Failing, "xdg-open"},
                      OpenerCase{"OpenerNeverReturns", UrlOpener::Kind::Hanging, "xdg-open"},
                      OpenerCase{"BrowserIsFalse", UrlOpener::Kind::Failing, "false"}),
    [](const ::testing::TestParamInfo<OpenerCase>& info) { return std::string(info.param.name); });

} // namespace
