#pragma once
// A recorded sequence of operating points for reproducible runs. The text holds one point per
// line, "time_ms FID VID", each number decimal or 0x hexadecimal; '#' starts a comment and
// blank lines are skipped. A point holds from its time until the next line's time, the last
// one for ever. Times count from the simulation's first use and must increase line by line.

#include "drivers/simulation/OperatingPoint.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zvsim {

struct TracePoint {
    uint64_t timeUs = 0;
    OperatingPoint point;
};

struct FidVidTrace {
    std::vector<TracePoint> points; // at least one, strictly increasing times

    // The point in force at `timeUs`; nothing before the first line's time.
    std::optional<OperatingPoint> PointAt(uint64_t timeUs) const;
    // The time of the first line after `timeUs`, if any.
    std::optional<uint64_t> NextTimeAfter(uint64_t timeUs) const;
};

struct TraceReading {
    FidVidTrace trace;
    std::string error; // "file:line: reason", or empty when the trace is good

    bool Valid() const { return error.empty(); }
};

TraceReading ParseFidVidTrace(std::string_view text, const std::string& fileName);
TraceReading ReadFidVidTrace(const std::string& path);

} // namespace zvsim
