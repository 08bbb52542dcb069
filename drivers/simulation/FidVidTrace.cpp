#include "drivers/simulation/FidVidTrace.h"

#include "drivers/simulation/NumberText.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zvsim {

namespace {

constexpr uint64_t kMaxFid = 0x3F;
constexpr uint64_t kMaxVid = 0x1F;
// Far beyond any run, and small enough that the time in microseconds cannot overflow.
constexpr uint64_t kMaxTimeMs = uint64_t{1} << 40;
constexpr std::streamsize kMaxTraceSize = 16 << 20;

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t at = 0;
    while (true) {
        at = line.find_first_not_of(" \t\r", at);
        if (at == std::string_view::npos) {
            return words;
        }
        const size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
}

} // namespace

std::optional<OperatingPoint> FidVidTrace::PointAt(uint64_t timeUs) const {
    auto after = std::upper_bound(points.begin(), points.end(), timeUs,
                                  [](uint64_t t, const TracePoint& p) { return t < p.timeUs; });
    if (after == points.begin()) {
        return std::nullopt;
    }
    return std::prev(after)->point;
}

std::optional<uint64_t> FidVidTrace::NextTimeAfter(uint64_t timeUs) const {
    auto after = std::upper_bound(points.begin(), points.end(), timeUs,
                                  [](uint64_t t, const TracePoint& p) { return t < p.timeUs; });
    if (after == points.end()) {
        return std::nullopt;
    }
    return after->timeUs;
}

TraceReading ParseFidVidTrace(std::string_view text, const std::string& fileName) {
    TraceReading reading;
    size_t lineNumber = 0;
    auto fail = [&](const std::string& reason) {
        return TraceReading{{}, fileName + ":" + std::to_string(lineNumber) + ": " + reason};
    };
    while (!text.empty()) {
        ++lineNumber;
        const size_t newline = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(std::min(newline + 1, text.size()));
        line = line.substr(0, std::min(line.find('#'), line.size()));

        const std::vector<std::string_view> words = Words(line);
        if (words.empty()) {
            continue;
        }
        if (words.size() != 3) {
            return fail("expected \"time_ms FID VID\", found " + std::to_string(words.size()) +
                        " words");
        }
        std::optional<uint64_t> values[3];
        for (size_t i = 0; i < 3; ++i) {
            values[i] = ParseNumber(words[i]);
            if (!values[i]) {
                return fail("\"" + std::string(words[i]) + "\" is not a number");
            }
        }
        const uint64_t timeMs = *values[0];
        if (timeMs > kMaxTimeMs) {
            return fail("time " + std::to_string(timeMs) + " ms is too large");
        }
        if (*values[1] > kMaxFid) {
            return fail("FID " + std::to_string(*values[1]) + " is above 63");
        }
        if (*values[2] > kMaxVid) {
            return fail("VID " + std::to_string(*values[2]) + " is above 31");
        }
        const uint64_t timeUs = timeMs * 1000;
        if (!reading.trace.points.empty() && timeUs <= reading.trace.points.back().timeUs) {
            return fail("time " + std::to_string(timeMs) +
                        " ms does not come after the previous line's");
        }
        reading.trace.points.push_back(
            {timeUs, {static_cast<int>(*values[1]), static_cast<int>(*values[2])}});
    }
    if (reading.trace.points.empty()) {
        return TraceReading{{}, fileName + ": holds no point"};
    }
    return reading;
}

TraceReading ReadFidVidTrace(const std::string& path) {
    std::error_code ignored;
    std::ifstream in(path, std::ios::binary);
    if (!std::filesystem::is_regular_file(path, ignored) || !in) {
        return {{}, path + ": cannot be opened"};
    }
    std::string text;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<size_t>(in.gcount()));
        if (static_cast<std::streamsize>(text.size()) > kMaxTraceSize) {
            return {{}, path + ": is larger than 16 MiB"};
        }
    }
    if (in.bad()) {
        return {{}, path + ": cannot be read"};
    }
    return ParseFidVidTrace(text, path);
}

} // namespace zvsim
