#pragma once

#include <map>

namespace bench {

// What this process has done so far, as /proc counts it: CPU time in clock ticks (user and
// system) and, per thread, context switches, voluntary or not: each is a wake-up, or a core
// taken away.
class ProcessActivity {
public:
    static ProcessActivity now();

    long ticksSince(const ProcessActivity& earlier) const;
    // The switches since `earlier` of the threads alive now; a thread that began since counts
    // from zero; one that ended since is lost, and counted in `threadsEndedSince`.
    long switchesSince(const ProcessActivity& earlier) const;
    long threadsEndedSince(const ProcessActivity& earlier) const;

private:
    long ticks_ = 0;
    std::map<long, long> switchesByThread_;
};

} // namespace bench
