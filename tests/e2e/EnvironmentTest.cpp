// What the desktop around the program may lack: a sound device, a browser.
#include "runner/BundleCopy.h"
#include "runner/ProgramRun.h"
#include "runner/RunChecks.h"
#include "runner/Tools.h"
#include "runner/UrlOpener.h"
#include "runner/XServer.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

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
    std::optional<std::string> browser; // $BROWSER
};

void PrintTo(const OpenerCase& opener, std::ostream* out) {
    *out << opener.name;
}

class UrlOpenerTest : public ::testing::TestWithParam<OpenerCase> {};

// On a real X server, where Qt hands links to the desktop's opener (the offscreen platform has
// none): five links, whatever the opener does, and the program runs on to its farewell.
TEST_P(UrlOpenerTest, LinksNeitherCrashNorHangTheProgram) {
    const auto server = XServer::start();
    if (!server)
        GTEST_SKIP() << "no Xvfb on this machine";
    BundleCopy bundle(Tools::driverBuild());
    const UrlOpener opener(bundle.work() / "opener", GetParam().opener);
    ProgramRun program(bundle);
    program.onDisplay(server->display())
        .set("PATH", opener.path())
        .unset("DEFAULT_BROWSER")
        .unset("XDG_CURRENT_DESKTOP")
        .unset("DESKTOP_SESSION")
        .arguments({"links"});
    if (GetParam().browser) {
        // The browser named is a command on PATH; xdg-open still is not.
        std::filesystem::create_symlink(Tools::find(*GetParam().browser),
                                        bundle.work() / "opener" / *GetParam().browser);
        program.set("BROWSER", *GetParam().browser);
    } else
        program.unset("BROWSER");
    const RunResult run = program.run();

    ASSERT_TRUE(runchecks::scenarioPassed(run, 0));
    const long long clicks = run.number("links_clicked");
    EXPECT_EQ(clicks, 5);
    // A link that cannot be opened is said once, not once by the toolkit and again by us.
    EXPECT_LE(run.linesMentioning("/freeforfun") + run.linesMentioning("/write-us-now"), clicks)
        << run.describe();
    EXPECT_TRUE(runchecks::nothingForeign(run));
    if (GetParam().opener == UrlOpener::Kind::Recording) {
        const auto opened = opener.opened();
        ASSERT_EQ(opened.size(), 5u) << "each click opens its page once";
        const auto website = std::count_if(opened.begin(), opened.end(), [](const std::string& url) {
            return url.rfind("https://", 0) == 0 && url.ends_with("/freeforfun");
        });
        EXPECT_EQ(website, 4) << "Visit Website, the copyright line, the logo, Visit Our Website";
        EXPECT_TRUE(opened.back().rfind("https://", 0) == 0 && opened.back().ends_with("/write-us-now"))
            << "Contact Us Now, last: " << opened.back();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, UrlOpenerTest,
    ::testing::Values(OpenerCase{"OpenerRecords", UrlOpener::Kind::Recording, std::nullopt},
                      OpenerCase{"OpenerMissing", UrlOpener::Kind::Missing, std::nullopt},
                      OpenerCase{"OpenerFails", UrlOpener::Kind::Failing, std::nullopt},
                      OpenerCase{"OpenerNeverReturns", UrlOpener::Kind::Hanging, std::nullopt},
                      OpenerCase{"BrowserIsFalse", UrlOpener::Kind::Missing, std::string("false")}),
    [](const ::testing::TestParamInfo<OpenerCase>& info) { return std::string(info.param.name); });

} // namespace
