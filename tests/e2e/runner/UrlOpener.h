#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The desktop's URL opener (xdg-open) as a case needs it, in a folder that is the program's
// whole PATH: one that records what it was asked to open, one that fails, one that never
// returns, or none at all.
class UrlOpener {
public:
    enum class Kind { Recording, Failing, Hanging, Missing };

    UrlOpener(const std::filesystem::path& folder, Kind kind);
    // Ends the openers that never returned: they outlive the program, which did not wait.
    ~UrlOpener();
    UrlOpener(const UrlOpener&) = delete;
    UrlOpener& operator=(const UrlOpener&) = delete;

    // The PATH to give the program.
    std::string path() const { return folder_.string(); }
    // The addresses the recording opener was asked to open, in order.
    std::vector<std::string> opened() const;

private:
    std::filesystem::path folder_;
    std::filesystem::path log_;
    std::filesystem::path pids_;
};
