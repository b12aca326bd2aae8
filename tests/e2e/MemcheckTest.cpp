// A shorter session under valgrind's memcheck: no invalid read or write, no use of freed or
// uninitialised memory in the program, the framework or what they ask of Qt. Leaks are left to
// LeakSanitizer (`make test-sanitize`).
#include "runner/BundleCopy.h"
#include "runner/ProgramRun.h"
#include "runner/RunChecks.h"
#include "runner/Tools.h"
#include "support/Shell.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// Everything is some forty times slower under memcheck.
constexpr int kSlower = 40;
constexpr int kErrorStatus = 99;

namespace fs = std::filesystem;

// The machine's GStreamer plug-ins, less those that load a library valgrind cannot run: the
// Highway library (behind libavcodec's JPEG XL support) reads the time stamp counter with an
// instruction valgrind does not know, at load time. The movie is then decoded by openh264 and
// faad, which the same packages install.
fs::path pluginsValgrindCanRun(const fs::path& folder) {
    fs::create_directories(folder);
    for (const char* system : {"/usr/lib/x86_64-linux-gnu/gstreamer-1.0", "/usr/lib/gstreamer-1.0"}) {
        if (!fs::is_directory(system))
            continue;
        for (const auto& plugin : fs::directory_iterator(system)) {
            if (plugin.path().extension() != ".so")
                continue;
            if (shell::output("ldd '" + plugin.path().string() + "' 2>/dev/null").find("libhwy.so") ==
                std::string::npos)
                fs::create_symlink(plugin.path(), folder / plugin.path().filename());
        }
        break;
    }
    return folder;
}

TEST(Memcheck, TwoHundredRatingsAndFiveNewRatingWindowsTouchNoInvalidMemory) {
    if (Tools::sanitized())
        GTEST_SKIP() << "valgrind does not run sanitizer builds";
    const auto valgrind = Tools::find("valgrind");
    if (valgrind.empty())
        GTEST_SKIP() << "no valgrind on this machine";
    BundleCopy bundle(Tools::driverBuild());
    const auto log = bundle.work() / "memcheck.log";
    const RunResult run =
        ProgramRun(bundle)
            .under({valgrind.string(), "--tool=memcheck", "--leak-check=no", "--track-origins=yes",
                    "--num-callers=30", "--error-exitcode=" + std::to_string(kErrorStatus),
                    "--suppressions=" + std::string(KELVORY_E2E_SOURCE_DIR) + "/memcheck.supp",
                    "--log-file=" + log.string()})
            .set("KELVORY_E2E_TIME_SCALE", std::to_string(kSlower))
            .set("GST_PLUGIN_SYSTEM_PATH_1_0", pluginsValgrindCanRun(bundle.work() / "gst-plugins").string())
            .set("GST_REGISTRY_1_0", (bundle.work() / "gst-registry.bin").string())
            .arguments({"load", "ratings=200", "recreations=5"})
            .timeout(1500s)
            .run();
    const std::string report = shell::readFile(log);
    EXPECT_NE(run.outcome().exitStatus, kErrorStatus) << report;
    EXPECT_NE(report.find("ERROR SUMMARY: 0 errors"), std::string::npos) << report;
    EXPECT_TRUE(runchecks::scenarioPassed(run, 0)) << report;
}

} // namespace
