#pragma once
// How busy the machine is, from the kernel's cumulative processor times in /proc/stat.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zvsim {

struct CpuTimes {
    uint64_t busy = 0;  // user, nice, system, irq, softirq and steal time
    uint64_t total = 0; // the above plus idle and iowait time
};

// One entry per "cpuN" line, in the file's order; the "cpu" line of all processors when there
// is no per-processor line; nothing when neither is well formed.
std::optional<std::vector<CpuTimes>> ParseProcStat(std::string_view text);

class CpuLoadMeter {
public:
    explicit CpuLoadMeter(std::string procStatPath);

    // The load of the busiest processor since the previous sample, from 0 to 1. Nothing on the
    // first sample, or when the file cannot be read or no time has passed.
    std::optional<double> Sample();

private:
    std::string m_path;
    std::vector<CpuTimes> m_previous;
};

} // namespace zvsim
