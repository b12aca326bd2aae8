#pragma once

#include <sys/types.h>

namespace bench {

// A program started with fork and exec; killed and reaped when this goes, however the
// measurement ends. Its standard output goes to standard error, which leaves standard output to
// the measurement.
class ChildProcess {
public:
    // argv[0] is the program's path; argv ends with a null pointer. Throws when it cannot fork.
    explicit ChildProcess(char** argv);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

private:
    pid_t pid_;
};

} // namespace bench
