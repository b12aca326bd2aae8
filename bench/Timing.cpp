#include "bench/Timing.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace bench {

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double quantile(std::vector<double> samples, double q) {
    if (samples.empty())
        throw std::invalid_argument("quantile of no samples");
    const auto rank = static_cast<std::size_t>(std::ceil(q * static_cast<double>(samples.size())));
    const std::size_t index = std::clamp<std::size_t>(rank, 1, samples.size()) - 1;
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(index), samples.end());
    return samples[index];
}

double median(const std::vector<double>& samples) {
    return quantile(samples, 0.5);
}

long threadCount() {
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return static_cast<long>(std::distance(begin(tasks), end(tasks)));
}

long residentKibibytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kibibytes = 0;
            status >> kibibytes;
            return kibibytes;
        }
        status.ignore(1 << 16, '\n');
    }
    throw std::runtime_error("no VmRSS in /proc/self/status");
}

} // namespace bench
