#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

// A mono PCM WAVE file of these samples: 8-bit unsigned, or 16-bit little-endian.
std::string monoWave(std::uint32_t rate, int bits, const std::string& samples);

// The playback streams this process has open on the server PULSE_SERVER names, as pactl sees them.
std::size_t streamsOfThisProcess();

// A sound server of this case's own, named to this process and its children by PULSE_SERVER
// while this lives: what other cases play is not heard on it, and a sink made or gone here
// disturbs no other case. Its default sink renders nothing ahead (no rewinds), so that its
// monitor holds exactly what a device would play.
class PrivateSoundServer {
public:
    PrivateSoundServer();
    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    bool start();
    bool stop();
    // The server keeps its connections but answers nothing until answerAgain(), as a hung one.
    void stopAnswering() const;
    void answerAgain() const;
    static constexpr const char* kMonitor = "heard.monitor";

private:
    std::filesystem::path dir_;
    std::string previous_;
    // The kind of the server the case was given.
    std::string kind_;
};

// What reaches a sink, recorded from its monitor by parec from construction to stop().
class MonitorRecording {
public:
    MonitorRecording(const PrivateSoundServer& server, std::filesystem::path file);
    ~MonitorRecording();
    MonitorRecording(const MonitorRecording&) = delete;
    MonitorRecording& operator=(const MonitorRecording&) = delete;

    // Waits until parec writes what it hears, silence included; false if it does not in time.
    bool waitUntilStarted() const;
    // The left channel, 16-bit at 44.1 kHz: what parec has written so far, or all of it once it
    // has been stopped.
    std::vector<std::int16_t> soFar() const;
    std::vector<std::int16_t> stop();

private:
    std::filesystem::path file_;
    pid_t recorder_ = -1;
};

// Standard error, redirected to a file for as long as this lives, readable meanwhile.
class StderrCapture {
public:
    explicit StderrCapture(std::filesystem::path file);
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    std::string text() const;
    // How many lines the program has said ("kelvory: …").
    std::size_t linesSaid() const;

private:
    std::filesystem::path file_;
    int saved_ = -1;
};
