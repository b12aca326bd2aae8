#include "bench/ChildProcess.h"

#include <csignal>
#include <cstdio>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

ChildProcess::ChildProcess(char** argv) : pid_(::fork()) {
    if (pid_ < 0)
        throw std::runtime_error("cannot fork");
    if (pid_ == 0) {
        ::dup2(STDERR_FILENO, STDOUT_FILENO);
        ::execv(argv[0], argv);
        std::perror(argv[0]);
        ::_exit(127);
    }
}

ChildProcess::~ChildProcess() {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
}

} // namespace bench
