#include "support/SoundServerProbe.h"

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string output(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
        std::array<char, 4096> buffer{};
        while (std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe))
            out.append(buffer.data(), got);
        pclose(pipe);
    }
    return out;
}

std::string readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool soundServer(const char* command, const std::filesystem::path& dir) {
    const std::string line = std::string(KELVORY_SOURCE_DIR "/tools/sound-server.sh ") + command + " '" +
                             dir.string() + "' >/dev/null 2>&1";
    return std::system(line.c_str()) == 0;
}

} // namespace

std::size_t SoundServerProbe::streamsOfThisProcess() {
    std::istringstream listing(output("pactl list sink-inputs"));
    const std::string ours = "application.process.id = \"" + std::to_string(::getpid()) + "\"";
    std::size_t streams = 0;
    for (std::string line; std::getline(listing, line);)
        if (line.find(ours) != std::string::npos)
            ++streams;
    return streams;
}

bool SoundServerProbe::startServer(const std::filesystem::path& dir) {
    return soundServer("start", dir);
}

bool SoundServerProbe::stopServer(const std::filesystem::path& dir) {
    return soundServer("stop", dir);
}

PrivateSink::PrivateSink() : name_("kelvory_test_" + std::to_string(::getpid())) {
    module_ = output("pactl load-module module-null-sink norewinds=1 sink_name=" + name_);
    while (!module_.empty() && module_.back() == '\n')
        module_.pop_back();
    ::setenv("PULSE_SINK", name_.c_str(), 1);
}

PrivateSink::~PrivateSink() {
    ::unsetenv("PULSE_SINK");
    if (!module_.empty())
        output("pactl unload-module " + module_);
}

MonitorRecording::MonitorRecording(const PrivateSink& sink, std::filesystem::path file)
    : file_(std::move(file)) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, file_.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<std::string> words{"parec",
                                   "--raw",
                                   "--format=s16le",
                                   "--rate=44100",
                                   "--channels=2",
                                   "--latency-msec=20",
                                   "-d",
                                   sink.name() + ".monitor"};
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    if (posix_spawnp(&recorder_, "parec", &actions, nullptr, argv.data(), environ) != 0)
        recorder_ = -1;
    posix_spawn_file_actions_destroy(&actions);
}

MonitorRecording::~MonitorRecording() {
    stop();
}

bool MonitorRecording::waitUntilStarted() const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        std::error_code error;
        if (std::filesystem::file_size(file_, error) > 0 && !error)
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::vector<std::int16_t> MonitorRecording::stop() {
    if (recorder_ > 0) {
        ::kill(recorder_, SIGTERM);
        ::waitpid(recorder_, nullptr, 0);
        recorder_ = -1;
    }
    const std::string raw = readAll(file_);
    std::vector<std::int16_t> left;
    for (std::size_t at = 0; at + 4 <= raw.size(); at += 4)
        left.push_back(static_cast<std::int16_t>(static_cast<unsigned char>(raw[at]) |
                                                 static_cast<unsigned char>(raw[at + 1]) << 8));
    return left;
}

StderrCapture::StderrCapture(std::filesystem::path file) : file_(std::move(file)) {
    std::fflush(stderr);
    saved_ = ::dup(STDERR_FILENO);
    const int to = ::open(file_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND, 0600);
    ::dup2(to, STDERR_FILENO);
    ::close(to);
}

StderrCapture::~StderrCapture() {
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
}

std::string StderrCapture::text() const {
    std::fflush(stderr);
    return readAll(file_);
}

std::size_t StderrCapture::linesSaid() const {
    const std::string said = text();
    std::size_t lines = 0;
    for (std::size_t at = said.find("kelvory:"); at != std::string::npos; at = said.find("kelvory:", at + 1))
        ++lines;
    return lines;
}
