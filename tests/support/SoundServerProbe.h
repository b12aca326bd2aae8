#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

// What the suite's sound server (or the one PULSE_SERVER names) knows of this process, read with
// PulseAudio's own command-line tools.
class SoundServerProbe {
public:
    // The playback streams this process has open on the server.
    static std::size_t streamsOfThisProcess();
    // A private server at DIR, as tools/sound-server.sh starts and stops it.
    static bool startServer(const std::filesystem::path& dir);
    static bool stopServer(const std::filesystem::path& dir);
};

// A null sink of this process's own on the server, where its sounds go (through PULSE_SINK) while
// this lives: what other cases play at the same time is not heard there.
class PrivateSink {
public:
    PrivateSink();
    ~PrivateSink();
    PrivateSink(const PrivateSink&) = delete;
    PrivateSink& operator=(const PrivateSink&) = delete;

    const std::string& name() const { return name_; }

private:
    std::string name_;
    std::string module_;
};

// What reaches a sink, recorded from its monitor by parec from construction to stop().
class MonitorRecording {
public:
    MonitorRecording(const PrivateSink& sink, std::filesystem::path file);
    ~MonitorRecording();
    MonitorRecording(const MonitorRecording&) = delete;
    MonitorRecording& operator=(const MonitorRecording&) = delete;

    // Waits until parec writes what it hears, silence included; false if it does not in time.
    bool waitUntilStarted() const;
    // The left channel, 16-bit at 44.1 kHz.
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
