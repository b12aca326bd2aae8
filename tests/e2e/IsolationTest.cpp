// The program depends on nothing but its bundle and the system: not on the folder it is started
// from, the source tree it was built from, or the user's home.
#include "runner/BundleCopy.h"
#include "runner/FileAccessTrace.h"
#include "runner/ProgramRun.h"
#include "runner/RunChecks.h"
#include "runner/Tools.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

bool under(const std::string& path, const fs::path& folder) {
    const std::string prefix = folder.string() + "/";
    return path == folder.string() || path.rfind(prefix, 0) == 0;
}

bool isMedia(const std::string& path) {
    for (const char* extension : {".mp3", ".mp4", ".svg", ".png"})
        if (path.ends_with(extension))
            return true;
    return false;
}

// GLib's module loader tries a bare library name, then with ".so" and ".la", relative to the
// current folder, before the system's search path: the media plug-ins' optional libraries.
bool isLibraryProbe(const std::string& path) {
    return path.rfind("lib", 0) == 0 && path.find(".so") != std::string::npos;
}

// A whole run (every kind of media is loaded) from a read-only bundle copy, started from an
// empty folder, with HOME pointing at an empty folder, traced by strace.
TEST(Isolation, AWholeRunTouchesOnlyItsBundleAndTheSystem) {
    const fs::path strace = Tools::find("strace");
    if (strace.empty())
        GTEST_SKIP() << "no strace on this machine";
    BundleCopy bundle(Tools::driverBuild());
    bundle.makeReadOnly();
    const fs::path home = bundle.work() / "home";
    fs::create_directories(home);
    const fs::path trace = bundle.work() / "trace";
    const char* userHome = std::getenv("HOME");
    // LeakSanitizer cannot work under a tracer; the other sanitizers can.
    const char* sanitizerOptions = std::getenv("ASAN_OPTIONS");
    const RunResult run =
        ProgramRun(bundle)
            .under({strace.string(), "-f", "-qq", "-e", "trace=%file", "-o", trace.string()})
            .set("HOME", home.string())
            .set("ASAN_OPTIONS", std::string(sanitizerOptions ? sanitizerOptions : "") + ":detect_leaks=0")
            .arguments({"whole-run"})
            .run();
    ASSERT_TRUE(runchecks::scenarioPassed(run, 0));

    std::vector<std::string> outside;
    bool readMovie = false, readPicture = false, readFarewell = false;
    const FileAccessTrace accesses(trace);
    for (const FileAccessTrace::Access& access : accesses.accesses()) {
        const std::string& path = access.path;
        readMovie |= path == (bundle.resources() / "PellowickIntroVideo.mp4").string();
        readPicture |= path == (bundle.resources() / "guymeditating.svg").string();
        readFarewell |= path == (bundle.resources() / "nice.mp3").string();
        const bool wrong = (access.relativeToCwd && !isLibraryProbe(path)) ||
                           under(path, Tools::sourceTree()) ||
                           (userHome && fs::path(userHome) != "/" && under(path, userHome)) ||
                           (isMedia(path) && !under(path, bundle.root()) && !under(path, "/usr")) ||
                           (access.writes && under(path, bundle.root()));
        if (wrong)
            outside.push_back(access.line);
    }
    // The trace saw the program's own reads, so an empty list below means something.
    EXPECT_TRUE(readMovie && readPicture && readFarewell) << "the trace misses the bundle's media";
    EXPECT_TRUE(outside.empty()) << ::testing::PrintToString(outside);
}

} // namespace
