#include "FileAccessTrace.h"

#include <fstream>
#include <regex>

namespace {

// "1234 openat(AT_FDCWD, "/path", O_RDONLY|O_CLOEXEC) = 3", or the first half of a call that
// another thread interrupted ("... <unfinished ...>"), which already holds the name.
const std::regex kCall(R"(^(?:\[pid\s+)?\d*\]?\s*([a-z0-9_]+)\((.*))");
const std::regex kFirstName(R"re(^(AT_FDCWD, |\d+, )?"((?:[^"\\]|\\.)*)")re");

} // namespace

FileAccessTrace::FileAccessTrace(const std::filesystem::path& straceOutput) {
    std::ifstream in(straceOutput);
    std::string line;
    while (std::getline(in, line)) {
        std::smatch call;
        if (!std::regex_search(line, call, kCall))
            continue;
        const std::string arguments = call[2].str();
        std::smatch name;
        if (!std::regex_search(arguments, name, kFirstName))
            continue;
        Access access;
        access.call = call[1].str();
        access.path = name[2].str();
        const bool fromCwd = !name[1].matched || name[1].str() == "AT_FDCWD, ";
        access.relativeToCwd = fromCwd && !access.path.empty() && access.path.front() != '/';
        access.writes = line.find("O_WRONLY") != std::string::npos ||
                        line.find("O_RDWR") != std::string::npos || line.find("O_CREAT") != std::string::npos;
        access.line = line;
        accesses_.push_back(std::move(access));
    }
}
