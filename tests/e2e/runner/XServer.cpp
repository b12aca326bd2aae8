#include "XServer.h"

#include "Tools.h"
#include "support/Shell.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

std::unique_ptr<XServer> XServer::start() {
    const std::string xvfb = Tools::find("Xvfb").string();
    if (xvfb.empty())
        return nullptr;
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return nullptr;
    const pid_t pid = fork();
    if (pid < 0)
        return nullptr;
    if (pid == 0) {
        // Xvfb picks a free display itself and writes its number to the descriptor it is given.
        close(pipeFds[0]);
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        const std::string fd = std::to_string(pipeFds[1]);
        execl(xvfb.c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten",
              "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string number;
    pollfd readable{pipeFds[0], POLLIN, 0};
    while (poll(&readable, 1, 10000) > 0) {
        char c = 0;
        if (read(pipeFds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    close(pipeFds[0]);
    if (number.empty()) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return nullptr;
    }
    return std::unique_ptr<XServer>(new XServer(pid, ":" + number));
}

bool XServer::shows(const std::string& title) const {
    return shell::output("xwininfo -display " + display_ + " -name '" + title + "' 2>/dev/null")
               .find("Map State: IsViewable") != std::string::npos;
}

XServer::~XServer() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}
