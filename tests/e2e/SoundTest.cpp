// What the user hears: the program on the suite's own sound server (a null sink, reached through
// PULSE_SERVER), its output recorded from the sink's monitor.
#include "runner/BundleCopy.h"
#include "runner/ChildProcess.h"
#include "runner/ProgramRun.h"
#include "runner/RunChecks.h"
#include "runner/Tools.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace {

std::string pactl(const std::string& arguments) {
    std::string out;
    if (FILE* pipe = popen(("pactl " + arguments + " 2>/dev/null").c_str(), "r")) {
        std::array<char, 4096> buffer{};
        while (std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe))
            out.append(buffer.data(), got);
        pclose(pipe);
    }
    return out;
}

// The media names of the streams the process plays into the server now.
std::vector<std::string> streamsOf(pid_t pid) {
    std::vector<std::string> names;
    std::istringstream listing(pactl("list sink-inputs"));
    std::string line, name;
    bool ours = false;
    auto quoted = [](const std::string& text) {
        return text.substr(text.find('"') + 1, text.rfind('"') - text.find('"') - 1);
    };
    auto endStream = [&] {
        if (ours)
            names.push_back(name);
        ours = false;
        name.clear();
    };
    while (std::getline(listing, line)) {
        if (line.rfind("Sink Input #", 0) == 0)
            endStream();
        else if (line.find("media.name = ") != std::string::npos)
            name = quoted(line);
        else if (line.find("application.process.id = ") != std::string::npos)
            ours = quoted(line) == std::to_string(pid);
    }
    endStream();
    return names;
}

bool anySound(const std::filesystem::path& raw) {
    std::ifstream in(raw, std::ios::binary);
    std::int16_t sample = 0;
    while (in.read(reinterpret_cast<char*>(&sample), sizeof sample))
        if (sample != 0)
            return true;
    return false;
}

// The movie plays through a media pipeline of its own ("Playback Stream"), let go at the
// hand-over; the sound effects share one stream, made when the first rating opens its sound.
// Recorded from then on, the sink carries the program's sounds alone.
TEST(Sound, ARatingsSoundReachesTheSoundServer) {
    ASSERT_NE(pactl("info"), "") << "no sound server: is PULSE_SERVER set?";
    const auto parec = Tools::find("parec");
    ASSERT_FALSE(parec.empty()) << "no parec (pulseaudio-utils)";
    BundleCopy bundle(Tools::driverBuild());
    const auto program = ProgramRun(bundle).arguments({"whole-run"}).start();
    std::unique_ptr<ChildProcess> recorder;
    const auto recording = bundle.work() / "recording";
    std::vector<std::string> seen;
    while (!program->waitForEnd(std::chrono::milliseconds(50))) {
        for (const std::string& name : streamsOf(program->pid())) {
            if (std::find(seen.begin(), seen.end(), name) == seen.end())
                seen.push_back(name);
            if (name != "Playback Stream" && !recorder) {
                std::filesystem::create_directories(recording);
                recorder = std::make_unique<ChildProcess>(
                    ChildProcess::Options{{parec.string(), "--raw", "--format=s16le", "-d", "null.monitor"},
                                          {},
                                          recording,
                                          recording});
            }
        }
    }
    const RunResult run(program->finish(std::chrono::milliseconds(0)));
    ASSERT_TRUE(runchecks::scenarioPassed(run, 0));
    ASSERT_NE(recorder, nullptr) << "no stream for the sounds; the program's streams: " << seen.size() << "\n"
                                 << run.describe();
    recorder->kill();
    EXPECT_TRUE(anySound(recording / "stdout")) << "only silence reached the sink";
}

} // namespace
