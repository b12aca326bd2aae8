#include "UrlOpener.h"

#include <csignal>
#include <fstream>
#include <sys/types.h>

namespace fs = std::filesystem;

UrlOpener::UrlOpener(const fs::path& folder, Kind kind)
    : folder_(folder), log_(folder / "opened.log"), pids_(folder / "waiting.pids") {
    fs::create_directories(folder_);
    std::string body;
    switch (kind) {
    case Kind::Recording:
        body = "echo \"$1\" >> '" + log_.string() + "'\n";
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
    const fs::path script = folder_ / "xdg-open";
    std::ofstream(script) << "#!/bin/sh\n" << body;
    fs::permissions(script, fs::perms::owner_all);
}

UrlOpener::~UrlOpener() {
    std::ifstream in(pids_);
    pid_t pid = 0;
    while (in >> pid)
        if (pid > 0)
            kill(pid, SIGKILL);
}

std::vector<std::string> UrlOpener::opened() const {
    std::vector<std::string> lines;
    std::ifstream in(log_);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}
