#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The file names a process and its children touched, read from `strace -f -e trace=%file`.
class FileAccessTrace {
public:
    struct Access {
        std::string call; // openat, stat, access, readlink...
        std::string path; // as the program passed it
        bool relativeToCwd = false;
        bool writes = false; // opened for writing or creating
        std::string line;    // the whole trace line
    };

    explicit FileAccessTrace(const std::filesystem::path& straceOutput);

    const std::vector<Access>& accesses() const { return accesses_; }

private:
    std::vector<Access> accesses_;
};
