#include "UrlOpener.h"

#include <csignal>
#include <fstream>
#include <sys/types.h>
#include <thread>

namespace fs = std::filesystem;

UrlOpener::UrlOpener(const fs::path& folder, Kind kind, const std::string& command)
    : folder_(folder), log_(folder / "opened.log"), pids_(folder / "waiting.pids") {
    fs::create_directories(folder_);
    std::string body;
    switch (kind) {
    case Kind::Recording:
        break;
    case Kind::Failing:
        body = "exit 4\n"; // xdg-open's "the action failed"
        break;
    case Kind::Hanging:
        body = "echo $$ >> '" + pids_.string() + "'\nexec /bin/sleep 120\n";
        break;
    case Kind::Missing:
        return;
    }
    const fs::path script = folder_ / command;
    std::ofstream(script) << "#!/bin/sh\necho \"$1\" >> '" << log_.string() << "'\n" << body;
    fs::permissions(script, fs::perms::owner_all);
}

UrlOpener::~UrlOpener() {
    std::ifstream in(pids_);
    pid_t pid = 0;
    while (in >> pid)
        if (pid > 0)
            kill(pid, SIGKILL);
}

std::vector<std::string> UrlOpener::awaitOpened(std::size_t count, std::chrono::milliseconds within) const {
    const auto deadline = std::chrono::steady_clock::now() + within;
    for (;;) {
        std::vector<std::string> lines;
        std::ifstream in(log_);
        std::string line;
        while (std::getline(in, line))
            lines.push_back(line);
        if (lines.size() >= count || std::chrono::steady_clock::now() >= deadline)
            return lines;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}
