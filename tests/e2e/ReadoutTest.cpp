// What the window shows for a reading, read off its surface: the arc, the frequency digits,
// the voltage digits and bar, the hint; and every pass of a sweep against a reference that
// rounds each voltage once.

#include "app/TTfrmMain.h"
#include "platform/application/TTimer.h"
#include "tests/e2e/FakeBoard.h"
#include "tests/e2e/ProgramRun.h"
#include "tests/hardware/FakeIoDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Reading {
    const char* name;
    int fidMax, fidCurr, vid;
    bool acpi;     // the board's ACPI interface in use, with one external clock
    WORD extClock; // that clock, in hundredths of a MHz
    const char* frequency;
    const char* volts; // "??????" where the digits are never drawn
    int voltageBar;
    int arc;            // the frame the update drew
    int arcAfterTimer2; // what Timer2 puts back over a covered arc; -1: it leaves it alone
    const char* hint;
};

// VID codes: 0 1.525 V, 3 1.450 V, 5 1.400 V, 7 1.350 V, 9 1.300 V, 17 1.100 V, 18 1.075 V,
// 29 0.800 V. The arc's scale is FID 14's 2200 MHz over 20 frames, 110 MHz each.
const Reading kReadings[] = {
    {"VoltageBar1400Is17", 14, 14, 5, false, 0, "2200.00", "1.4000", 17, 20, 20,
     "CPU Frequency : 2200 MHz\nVoltage : 1.4000 v"},
    {"VoltageBar1350Is15", 14, 14, 7, false, 0, "2200.00", "1.3500", 15, 20, 20,
     "CPU Frequency : 2200 MHz\nVoltage : 1.3500 v"},
    {"VoltageBar1300Is12", 14, 14, 9, false, 0, "2200.00", "1.3000", 12, 20, 20,
     "CPU Frequency : 2200 MHz\nVoltage : 1.3000 v"},
    {"VoltageBar1100Is3", 14, 14, 17, false, 0, "2200.00", "1.1000", 3, 20, 20,
     "CPU Frequency : 2200 MHz\nVoltage : 1.1000 v"},
    {"VoltageBarClampsAt2", 14, 14, 18, false, 0, "2200.00", "1.0750", 2, 20, 20,
     "CPU Frequency : 2200 MHz\nVoltage : 1.0750 v"},
    {"VoltageBarClampsAt2FarBelow", 14, 14, 29, false, 0, "2200.00", "0.8000", 2, 20, 20,
     "CPU Frequency : 2200 MHz\nVoltage : 0.8000 v"},
    {"VoltageBarClampsAt20", 14, 14, 0, false, 0, "2200.00", "1.5250", 20, 20, 20,
     "CPU Frequency : 2200 MHz\nVoltage : 1.5250 v"},
    {"VoltageBar1450Is20", 14, 14, 3, false, 0, "2200.00", "1.4500", 20, 20, 20,
     "CPU Frequency : 2200 MHz\nVoltage : 1.4500 v"},
    // FID 11 counts as FID 10: multiplier 9, 1800 MHz, frame 16.
    {"OddFidCountsAsTheEvenOneBelow", 14, 11, 7, false, 0, "1800.00", "1.3500", 15, 16, 16,
     "CPU Frequency : 1800 MHz\nVoltage : 1.3500 v"},
    {"OddFidOnTheAcpiPath", 14, 11, 7, true, 20100, "1809.00", "??????", 15, 16, 16,
     "CPU Frequency : 1809 MHz\nVoltage : 1.3500 v"},
    // 11 x 220 = 2420 MHz, index 22: frame 20 is drawn, and Timer2 does not draw it again.
    {"IndexAbove20ShowsFrame20AndTimer2LeavesIt", 14, 14, 6, true, 22000, "2420.00", "??????", 16,
     20, -1, "CPU Frequency : 2420 MHz\nVoltage : 1.3750 v"},
    {"LowestFrequencyOnTheFirstFrames", 14, 0, 6, false, 0, "0800.00", "1.3750", 16, 7, 7,
     "CPU Frequency : 800 MHz\nVoltage : 1.3750 v"},
};

void PrintTo(const Reading& row, std::ostream* out) {
    *out << row.name;
}

class ReadingShown : public EndToEnd, public ::testing::WithParamInterface<Reading> {};

// The first update sweeps up from 0; the next, with the same reading, is a single pass at
// the values last shown, so the voltage is exactly the table's. Once it has finished, the
// arc is covered and Timer2's redrawing (or its absence) is what shows.
TEST_P(ReadingShown, OnTheWindow) {
    const Reading& row = GetParam();
    SetFakeMsr(FidHalf(row.fidMax, row.fidMax, row.fidCurr), VidHalf(0, 0, row.vid));
    FakeBoard().initialization = row.acpi ? 1 : 0;
    FakeBoard().extClocks = {row.extClock};

    std::string frequency, volts, hint;
    int voltageBar = -2, arc = -2, arcAfterTimer2 = -2;
    uint64_t coveredAt = 0;
    RunProgram("DEBUG", 5000, [&](uint64_t elapsed) {
        if (coveredAt == 0 && Count("ShowEffect completed.") == 2) {
            frequency = DigitsOnWindow("imgCPU", 7, "imglstNumL");
            volts = DigitsOnWindow("imgVID", 6, "imglstNumM");
            voltageBar = VoltageBarOnWindow();
            arc = ArcFrameOnWindow();
            hint = TrayHint();
            CoverArc();
            coveredAt = elapsed;
        } else if (coveredAt != 0 && elapsed >= coveredAt + 30) {
            arcAfterTimer2 = ArcFrameOnWindow();
            Quit();
        }
    });
    EXPECT_EQ(frequency, row.frequency);
    EXPECT_EQ(volts, row.volts);
    EXPECT_EQ(voltageBar, row.voltageBar);
    EXPECT_EQ(arc, row.arc);
    EXPECT_EQ(arcAfterTimer2, row.arcAfterTimer2);
    EXPECT_EQ(hint, row.hint);
}

INSTANTIATE_TEST_SUITE_P(Readings, ReadingShown, ::testing::ValuesIn(kReadings),
                         [](const auto& info) { return std::string(info.param.name); });

// One sweep's voltages, each the exact i x step + last rounded to single precision once, the
// step the exact quotient rounded once; long double holds both exactly or well past float.
std::vector<float> SweepVolts(float last, float now, int steps) {
    const float step = static_cast<float>((static_cast<long double>(now) - last) / steps);
    std::vector<float> volts;
    for (int i = 0; i <= steps; ++i) {
        volts.push_back(static_cast<float>(i * static_cast<long double>(step) + last));
    }
    return volts;
}

// The bar level for a voltage: (v - 0.94) / 0.02 - 5 with 0.94 a double and 0.02 a float,
// truncated, then kept within 2 to 20.
int BarLevel(float v) {
    const int level = static_cast<int>((v - 0.94) / static_cast<double>(0.02f) - 5);
    return std::clamp(level, 2, 20);
}

std::string VoltDigits(float v) {
    char text[16];
    std::snprintf(text, sizeof text, "%.4f", static_cast<double>(v));
    return text;
}

float Volts(int vid) {
    return static_cast<float>(1.55 - 0.025 * (vid + 1));
}

struct Sweep {
    const char* name;
    bool acpi;
    WORD extClock;
    int fidMax;
    int firstFid, firstVid, firstSteps; // the first update, from 0 MHz and 0 V
    int nextFid, nextVid, nextSteps;    // the update after it
};

// Each second sweep has a pass where rounding the product and then the sum shows something
// else: 1.4813 at pass 3, bar 15 at pass 11. The third has a pass where 0.02 taken as a
// double instead of a float gives bar 16 instead of 17.
const Sweep kSweeps[] = {
    {"From1525To1350InTwelveSteps", false, 0, 14, 14, 0, 22, 2, 7, 12},
    {"From1525To1300InFifteenSteps", true, 10000, 30, 30, 0, 19, 0, 9, 15},
    {"From1525To0800InTenSteps", false, 0, 14, 14, 0, 22, 4, 29, 10},
};

void PrintTo(const Sweep& row, std::ostream* out) {
    *out << row.name;
}

class SweepShown : public EndToEnd, public ::testing::WithParamInterface<Sweep> {};

TEST_P(SweepShown, PassByPass) {
    const Sweep& row = GetParam();
    FakeBoard().initialization = row.acpi ? 1 : 0;
    FakeBoard().extClocks = {row.extClock};
    SetFakeMsr(FidHalf(row.fidMax, row.fidMax, row.firstFid), VidHalf(0, 0, row.firstVid));

    // The first sweep runs in the constructor, before the window is shown; the second one
    // is on the screen.
    const size_t firstPasses = static_cast<size_t>(row.firstSteps) + 1;
    std::vector<float> expected =
        SweepVolts(Volts(row.firstVid), Volts(row.nextVid), row.nextSteps);

    std::vector<std::string> digits;
    std::vector<int> bars;
    m_clock.onPass = [&] {
        digits.push_back(DigitsOnWindow("imgVID", 6, "imglstNumM"));
        bars.push_back(VoltageBarOnWindow());
    };
    RunProgram("DEBUG", 5000, [&](uint64_t) {
        SetFakeMsr(FidHalf(row.fidMax, row.fidMax, row.nextFid), VidHalf(0, 0, row.nextVid));
        if (bars.size() >= firstPasses + expected.size()) {
            Quit();
        }
    });
    m_clock.onPass = {};

    ASSERT_GE(bars.size(), firstPasses + expected.size());
    for (size_t pass = 0; pass < expected.size(); ++pass) {
        SCOPED_TRACE("pass " + std::to_string(pass) + " at " + VoltDigits(expected[pass]));
        EXPECT_EQ(bars[firstPasses + pass], BarLevel(expected[pass]));
        if (!row.acpi) {
            EXPECT_EQ(digits[firstPasses + pass], VoltDigits(expected[pass]));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sweeps, SweepShown, ::testing::ValuesIn(kSweeps),
                         [](const auto& info) { return std::string(info.param.name); });

// After one exhausted wait each update asks once and goes on at once, until the index is in
// range again; the next time it leaves the range the whole wait applies again.
TEST_F(EndToEnd, OutOfRangeClockIndexWaitsOnceUntilItIsInRangeAgain) {
    std::vector<DWORD> answers(21, 5);    // update 1: asked 21 times, 2 s
    answers.push_back(5);                 // update 2: asked once
    answers.push_back(0);                 // update 3: in range
    answers.insert(answers.end(), 21, 5); // update 4: the whole wait again
    answers.push_back(5);                 // update 5: once
    FakeBoard().fsbIndexes = answers;

    std::vector<uint64_t> updateEnds;
    RunProgram("DEBUG", 60000, [&](uint64_t) {
        int updates = Count("ShowEffect completed.");
        if (updates > static_cast<int>(updateEnds.size())) {
            updateEnds.push_back(m_clock.NowMs());
        }
        if (updates >= 5) {
            Quit();
        }
    });
    EXPECT_EQ(FakeBoard().fsbQueries, 21 + 1 + 1 + 21 + 1);
    EXPECT_EQ(Count("nFSBIdx out of range: 5"), 4);
    EXPECT_EQ(Count("lpCPUExtFreqList[nFSBIdx]: 20000"), 1);
    ASSERT_EQ(updateEnds.size(), 5u);
    // Updates 3 and 5 follow a quick one: the timer's 100 ms and a short sweep, no waiting.
    EXPECT_LT(updateEnds[2] - updateEnds[1], 500u);
    EXPECT_GE(updateEnds[3] - updateEnds[2], 2000u);
    EXPECT_LT(updateEnds[4] - updateEnds[3], 500u);
}

} // namespace
