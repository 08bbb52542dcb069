#include "drivers/simulation/FidVidTrace.h"

#include <gtest/gtest.h>

using zvsim::OperatingPoint;
using zvsim::ParseFidVidTrace;

TEST(FidVidTrace, ReadsDecimalAndHexWithCommentsAndBlankLines) {
    zvsim::TraceReading reading = ParseFidVidTrace("# warm start\n"
                                                   "0 0xC 0x06\n"
                                                   "\n"
                                                   "  1500\t10 8   # busy\r\n"
                                                   "0x1000 0x2 0x12",
                                                   "t.trace");
    ASSERT_TRUE(reading.Valid()) << reading.error;
    const zvsim::FidVidTrace& trace = reading.trace;
    ASSERT_EQ(trace.points.size(), 3u);
    EXPECT_EQ(trace.points[1].timeUs, 1500000u);
    EXPECT_EQ(trace.points[2].timeUs, 4096000u);
    EXPECT_EQ(trace.PointAt(0), (OperatingPoint{0xC, 0x06}));
    EXPECT_EQ(trace.PointAt(1499999), (OperatingPoint{0xC, 0x06}));
    EXPECT_EQ(trace.PointAt(1500000), (OperatingPoint{10, 8}));
    EXPECT_EQ(trace.PointAt(UINT64_MAX), (OperatingPoint{0x2, 0x12}));
    EXPECT_EQ(trace.NextTimeAfter(0), 1500000u);
    EXPECT_EQ(trace.NextTimeAfter(4096000), std::nullopt);
}

TEST(FidVidTrace, NoPointBeforeTheFirstLinesTime) {
    zvsim::TraceReading reading = ParseFidVidTrace("500 2 18\n", "t.trace");
    ASSERT_TRUE(reading.Valid()) << reading.error;
    EXPECT_EQ(reading.trace.PointAt(499999), std::nullopt);
    EXPECT_EQ(reading.trace.NextTimeAfter(0), 500000u);
}

struct BadTrace {
    const char* text;
    const char* error;
};

void PrintTo(const BadTrace& c, std::ostream* os) {
    *os << c.error;
}

class MalformedTrace : public testing::TestWithParam<BadTrace> {};

TEST_P(MalformedTrace, NamesFileAndLine) {
    zvsim::TraceReading reading = ParseFidVidTrace(GetParam().text, "load.trace");
    EXPECT_FALSE(reading.Valid());
    EXPECT_TRUE(reading.trace.points.empty());
    EXPECT_EQ(reading.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedTrace,
    testing::Values(
        BadTrace{"0 12 6\n100 12\n", "load.trace:2: expected \"time_ms FID VID\", found 2 words"},
        BadTrace{"0 12 6 7\n", "load.trace:1: expected \"time_ms FID VID\", found 4 words"},
        BadTrace{"# x\n0 twelve 6\n", "load.trace:2: \"twelve\" is not a number"},
        BadTrace{"0 -1 6\n", "load.trace:1: \"-1\" is not a number"},
        BadTrace{"0 0x 6\n", "load.trace:1: \"0x\" is not a number"},
        BadTrace{"0 64 6\n", "load.trace:1: FID 64 is above 63"},
        BadTrace{"0 12 0x20\n", "load.trace:1: VID 32 is above 31"},
        BadTrace{"100 12 6\n100 10 8\n",
                 "load.trace:2: time 100 ms does not come after the previous line's"},
        BadTrace{"99999999999999999999 12 6\n",
                 "load.trace:1: \"99999999999999999999\" is not a number"},
        BadTrace{"1099511627777 12 6\n", "load.trace:1: time 1099511627777 ms is too large"},
        BadTrace{"# only a comment\n\n", "load.trace: holds no point"}));

TEST(FidVidTrace, ReportsAFileThatCannotBeOpened) {
    zvsim::TraceReading reading = zvsim::ReadFidVidTrace("/nonexistent/load.trace");
    EXPECT_EQ(reading.error, "/nonexistent/load.trace: cannot be opened");
}
