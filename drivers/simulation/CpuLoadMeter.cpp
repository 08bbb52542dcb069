#include "drivers/simulation/CpuLoadMeter.h"

#include "drivers/simulation/NumberText.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace zvsim {

namespace {

// user nice system idle iowait irq softirq steal; guest time is already part of user time.
constexpr size_t kCountedFields = 8;
constexpr size_t kIdle = 3;
constexpr size_t kIowait = 4;

std::optional<CpuTimes> ParseCpuLine(std::string_view fields) {
    uint64_t values[kCountedFields] = {};
    size_t count = 0;
    size_t at = 0;
    while (count < kCountedFields) {
        at = fields.find_first_not_of(' ', at);
        if (at == std::string_view::npos) {
            break;
        }
        const size_t end = std::min(fields.find(' ', at), fields.size());
        std::optional<uint64_t> value = ParseNumber(fields.substr(at, end - at));
        if (!value) {
            return std::nullopt;
        }
        values[count++] = *value;
        at = end;
    }
    // Kernels before 2.6 gave only the first four fields.
    if (count < 4) {
        return std::nullopt;
    }
    CpuTimes times;
    for (size_t i = 0; i < count; ++i) {
        const bool idle = i == kIdle || i == kIowait;
        if (values[i] > UINT64_MAX - times.total) {
            return std::nullopt;
        }
        times.total += values[i];
        times.busy += idle ? 0 : values[i];
    }
    return times;
}

} // namespace

std::optional<std::vector<CpuTimes>> ParseProcStat(std::string_view text) {
    std::optional<CpuTimes> all;
    std::vector<CpuTimes> each;
    while (!text.empty()) {
        const size_t newline = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(std::min(newline + 1, text.size()));
        if (!line.starts_with("cpu")) {
            continue;
        }
        const size_t space = line.find(' ');
        if (space == std::string_view::npos) {
            continue;
        }
        std::optional<CpuTimes> times = ParseCpuLine(line.substr(space));
        if (!times) {
            return std::nullopt;
        }
        if (space == 3) {
            all = times;
        } else {
            each.push_back(*times);
        }
    }
    if (each.empty() && all) {
        each.push_back(*all);
    }
    if (each.empty()) {
        return std::nullopt;
    }
    return each;
}

CpuLoadMeter::CpuLoadMeter(std::string procStatPath) : m_path(std::move(procStatPath)) {}

std::optional<double> CpuLoadMeter::Sample() {
    std::ifstream in(m_path);
    std::stringstream text;
    text << in.rdbuf();
    std::optional<std::vector<CpuTimes>> now = ParseProcStat(text.str());
    if (!now) {
        return std::nullopt;
    }
    std::optional<double> load;
    if (now->size() == m_previous.size()) {
        for (size_t i = 0; i < now->size(); ++i) {
            const CpuTimes& before = m_previous[i];
            const CpuTimes& after = (*now)[i];
            if (after.total <= before.total || after.busy < before.busy) {
                continue;
            }
            const double busy = static_cast<double>(after.busy - before.busy) /
                                static_cast<double>(after.total - before.total);
            load = std::max(load.value_or(0.0), std::min(busy, 1.0));
        }
    }
    m_previous = std::move(*now);
    return load;
}

} // namespace zvsim
