#include "XServer.h"

#include "Tools.h"
#include "support/Shell.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Where the tests run unattended, the machine was set up by tools/install-deps.sh, which installs
// Xvfb: its absence there is a fault of the machine, not a reason to leave cases out.
bool onContinuousIntegration() {
    const char* ci = std::getenv("CI");
    return ci && *ci && std::string(ci) != "false" && std::string(ci) != "0";
}

std::string readAll(int fd) {
    std::string text;
    char buffer[4096];
    lseek(fd, 0, SEEK_SET);
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

} // namespace

std::unique_ptr<XServer> XServer::start() {
    const std::string xvfb = Tools::find("Xvfb").string();
    if (xvfb.empty() && onContinuousIntegration())
        throw std::runtime_error("Xvfb is not installed, though tools/install-deps.sh installs it");
    if (xvfb.empty())
        return nullptr;
    // What Xvfb says goes to a file, not a pipe nobody reads, to be shown if it does not start.
    const std::unique_ptr<FILE, int (*)(FILE*)> said(std::tmpfile(), std::fclose);
    int pipeFds[2];
    if (!said || pipe(pipeFds) != 0)
        throw std::runtime_error("no pipe or file to start Xvfb with");
    const pid_t pid = fork();
    if (pid < 0) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        throw std::runtime_error("cannot fork to start Xvfb");
    }
    if (pid == 0) {
        // Xvfb picks a free display itself and writes its number to the descriptor it is given.
        close(pipeFds[0]);
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(fileno(said.get()), STDERR_FILENO);
        const std::string fd = std::to_string(pipeFds[1]);
        // No reset when the last client leaves: the cases' own short-lived clients (xwininfo) would
        // have the server reset just as the program connects, which it then fails to.
        execl(xvfb.c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten",
              "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string number;
    pollfd readable{pipeFds[0], POLLIN, 0};
    // Generous: on a loaded machine a slow start is not a broken server.
    while (poll(&readable, 1, 30000 * Tools::timeScale()) > 0) {
        char c = 0;
        if (read(pipeFds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    close(pipeFds[0]);
    if (number.empty()) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        throw std::runtime_error(xvfb + " is installed but did not start; it said:\n" +
                                 readAll(fileno(said.get())));
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
