#pragma once

#include <chrono>
#include <vector>

// Clocks, order statistics and memory readings shared by the benchmarks.
namespace bench {

using Clock = std::chrono::steady_clock;

double millisecondsBetween(Clock::time_point from, Clock::time_point to);

// The sample at quantile `q` (0..1) by nearest rank; throws on an empty set.
double quantile(std::vector<double> samples, double q);
double median(const std::vector<double>& samples);

// This process's resident set size in KiB, as /proc/self/status reports it (VmRSS).
long residentKibibytes();
// The threads this process runs now.
long threadCount();

} // namespace bench
