#include "support/SoundServerProbe.h"

#include "support/Shell.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string le32(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}

std::string le16(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8)};
}

// The kind of the server PULSE_SERVER names, as tools/sound-server.sh names kinds; empty when none
// answers.
std::string serverKind() {
    const std::string info = shell::output("pactl info 2>/dev/null");
    if (info.find("Server Name: ") == std::string::npos)
        return "";
    return info.find("(on PipeWire") != std::string::npos ? "pipewire" : "pulseaudio";
}

} // namespace

std::string monoWave(std::uint32_t rate, int bits, const std::string& samples) {
    const auto bytes = static_cast<std::uint32_t>(samples.size());
    const std::uint32_t frameBytes = static_cast<std::uint32_t>(bits) / 8;
    return "RIFF" + le32(36 + bytes) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) + le32(rate) +
           le32(rate * frameBytes) + le16(frameBytes) + le16(static_cast<std::uint32_t>(bits)) + "data" +
           le32(bytes) + samples;
}

std::size_t streamsOfThisProcess() {
    std::istringstream listing(shell::output("pactl list sink-inputs 2>/dev/null"));
    const std::string ours = "application.process.id = \"" + std::to_string(::getpid()) + "\"";
    std::size_t streams = 0;
    for (std::string line; std::getline(listing, line);)
        if (line.find(ours) != std::string::npos)
            ++streams;
    return streams;
}

PrivateSoundServer::PrivateSoundServer()
    : dir_(std::filesystem::temp_directory_path() / ("kelvory-sound-" + std::to_string(::getpid()))),
      kind_(serverKind()) {
    if (const char* named = std::getenv("PULSE_SERVER"))
        previous_ = named;
    ::setenv("PULSE_SERVER", ("unix:" + (dir_ / "native").string()).c_str(), 1);
    start();
}

PrivateSoundServer::~PrivateSoundServer() {
    stop();
    if (previous_.empty())
        ::unsetenv("PULSE_SERVER");
    else
        ::setenv("PULSE_SERVER", previous_.c_str(), 1);
}

// Its kind is the one KELVORY_SOUND_SERVER_KIND names (sound-server.sh reads it), and must be the
// kind of the server the case was given: a case run on PipeWire listens on PipeWire.
bool PrivateSoundServer::start() {
    const std::string server =
        KELVORY_SOURCE_DIR "/tools/sound-server.sh start '" + dir_.string() + "' >/dev/null 2>&1";
    return std::system(server.c_str()) == 0 && (kind_.empty() || serverKind() == kind_) &&
           !shell::output("pactl load-module module-null-sink norewinds=1 sink_name=heard 2>/dev/null")
                .empty() &&
           std::system("pactl set-default-sink heard >/dev/null 2>&1") == 0;
}

bool PrivateSoundServer::stop() {
    answerAgain(); // a stopped process would end only when killed
    const std::string server =
        KELVORY_SOURCE_DIR "/tools/sound-server.sh stop '" + dir_.string() + "' >/dev/null 2>&1";
    return std::system(server.c_str()) == 0;
}

namespace {

// Every process of the server, as tools/sound-server.sh noted them: "PID START-TIME" a line.
void signalServer(const std::filesystem::path& dir, int signal) {
    std::istringstream noted(shell::readFile(dir / "pids"));
    for (pid_t pid = 0; noted >> pid && noted.ignore(1024, '\n');)
        ::kill(pid, signal);
}

} // namespace

void PrivateSoundServer::stopAnswering() const {
    signalServer(dir_, SIGSTOP);
}

void PrivateSoundServer::answerAgain() const {
    signalServer(dir_, SIGCONT);
}

MonitorRecording::MonitorRecording(const PrivateSoundServer&, std::filesystem::path file)
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
                                   PrivateSoundServer::kMonitor};
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

std::vector<std::int16_t> MonitorRecording::soFar() const {
    const std::string raw = shell::readFile(file_);
    std::vector<std::int16_t> left;
    for (std::size_t at = 0; at + 4 <= raw.size(); at += 4)
        left.push_back(static_cast<std::int16_t>(static_cast<unsigned char>(raw[at]) |
                                                 static_cast<unsigned char>(raw[at + 1]) << 8));
    return left;
}

std::vector<std::int16_t> MonitorRecording::stop() {
    if (recorder_ > 0) {
        ::kill(recorder_, SIGTERM);
        ::waitpid(recorder_, nullptr, 0);
        recorder_ = -1;
    }
    return soFar();
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
    return shell::readFile(file_);
}

std::size_t StderrCapture::linesSaid() const {
    const std::string said = text();
    std::size_t lines = 0;
    for (std::size_t at = said.find("kelvory:"); at != std::string::npos; at = said.find("kelvory:", at + 1))
        ++lines;
    return lines;
}
