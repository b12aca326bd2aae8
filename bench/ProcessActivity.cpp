#include "bench/ProcessActivity.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>

namespace bench {

namespace {

long cpuTicks() {
    std::ifstream stat("/proc/self/stat");
    const std::string line((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command name may hold spaces and parentheses: the fields are counted after its end.
    const auto nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos)
        throw std::runtime_error("cannot read /proc/self/stat");
    std::istringstream fields(line.substr(nameEnd + 2));
    std::string skipped;
    // State is field 3; utime and stime are fields 14 and 15.
    for (int field = 3; field < 14; ++field)
        fields >> skipped;
    long user = 0;
    long system = 0;
    fields >> user >> system;
    return user + system;
}

long threadSwitches(const std::filesystem::path& status) {
    std::ifstream in(status);
    std::string key;
    long total = 0;
    while (in >> key) {
        if (key == "voluntary_ctxt_switches:" || key == "nonvoluntary_ctxt_switches:") {
            long count = 0;
            in >> count;
            total += count;
        }
        in.ignore(1 << 16, '\n');
    }
    return total;
}

} // namespace

ProcessActivity ProcessActivity::now() {
    ProcessActivity activity;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        // A thread may end between the listing and the reading; it then has nothing to say.
        std::error_code gone;
        if (!std::filesystem::exists(task.path() / "status", gone))
            continue;
        activity.switchesByThread_[std::stol(task.path().filename().string())] =
            threadSwitches(task.path() / "status");
    }
    activity.ticks_ = cpuTicks();
    return activity;
}

long ProcessActivity::ticksSince(const ProcessActivity& earlier) const {
    return ticks_ - earlier.ticks_;
}

long ProcessActivity::switchesSince(const ProcessActivity& earlier) const {
    long total = 0;
    for (const auto& [thread, switches] : switchesByThread_) {
        const auto before = earlier.switchesByThread_.find(thread);
        total += switches - (before == earlier.switchesByThread_.end() ? 0 : before->second);
    }
    return total;
}

long ProcessActivity::threadsEndedSince(const ProcessActivity& earlier) const {
    long ended = 0;
    for (const auto& [thread, switches] : earlier.switchesByThread_)
        ended += switchesByThread_.count(thread) == 0 ? 1 : 0;
    return ended;
}

} // namespace bench
