#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

// The desktop's URL opener (xdg-open, or the browser $BROWSER names) as a case needs it, in a
// folder that is the program's whole PATH: one that opens what it is asked to, one that fails,
// one that never returns, or none at all. Each one there first records the address it was given.
class UrlOpener {
public:
    enum class Kind { Recording, Failing, Hanging, Missing };

    UrlOpener(const std::filesystem::path& folder, Kind kind, const std::string& command = "xdg-open");
    // Ends the openers that never returned: they outlive the program, which did not wait.
    ~UrlOpener();
    UrlOpener(const UrlOpener&) = delete;
    UrlOpener& operator=(const UrlOpener&) = delete;

    // The PATH to give the program.
    std::string path() const { return folder_.string(); }
    // Where each opener records its address, one line each.
    const std::filesystem::path& log() const { return log_; }
    // The addresses the opener was asked to open, in order, once `count` are there or `within` has
    // passed: it runs detached, and may still be starting when the program has ended.
    std::vector<std::string> awaitOpened(std::size_t count, std::chrono::milliseconds within) const;

private:
    std::filesystem::path folder_;
    std::filesystem::path log_;
    std::filesystem::path pids_;
};
