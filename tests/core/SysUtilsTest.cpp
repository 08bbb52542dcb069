#include "platform/core/SysUtils.h"
#include "tests/SkipOrFail.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstdlib>
#include <filesystem>

namespace {

struct FloatCase {
    const char* format;
    double value;
    const char* expected;
};

class FormatFloatTest : public ::testing::TestWithParam<FloatCase> {};

TEST_P(FormatFloatTest, FormatsAsTheClassLibraryDoes) {
    const FloatCase& c = GetParam();
    EXPECT_EQ(FormatFloat(c.format, c.value), c.expected) << c.format << " " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatFloatTest,
    ::testing::Values(FloatCase{"0000.00", 800, "0800.00"}, FloatCase{"0000.00", 2211, "2211.00"},
                      FloatCase{"0000.00", 0, "0000.00"}, FloatCase{"0000.00", 10000, "10000.00"},
                      FloatCase{"0.0000", 1.35f, "1.3500"}, FloatCase{"0.0000", 0, "0.0000"},
                      FloatCase{"0.0000", 1.4249999f, "1.4250"}, FloatCase{"0.00", 1.325f, "1.33"},
                      FloatCase{"0.00", 0.125, "0.13"}, FloatCase{"0.00", -0.004, "0.00"},
                      FloatCase{"0.00", -1.5, "-1.50"}, FloatCase{"00", 7, "07"},
                      FloatCase{"00", 20, "20"}, FloatCase{"00", 123, "123"},
                      FloatCase{"#.##", 0.5, ".5"}, FloatCase{"#,##0", 1234567, "1,234,567"},
                      FloatCase{"0.0 'V'", 1.25, "1.3 V"}, FloatCase{"0.0;(0.0)", -2.5, "(2.5)"}));

TEST(FormatFloat, UsesDecimalSeparatorNotTheLocale) {
    // A locale with a decimal comma must not leak into formatted numbers.
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "hushwave-locale";
    std::filesystem::create_directories(dir);
    std::string command =
        "localedef -i de_DE -f UTF-8 " + (dir / "de_DE.UTF-8").string() + " >/dev/null 2>&1";
    int built = std::system(command.c_str());
    setenv("LOCPATH", dir.c_str(), 1);
    const char* set = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (built != 0 || set == nullptr) {
        SKIP_OR_FAIL("no de_DE locale could be made here");
    }
    ASSERT_EQ(std::localeconv()->decimal_point[0], ',');
    DecimalSeparator = '.';
    EXPECT_EQ(FormatFloat("0000.00", 2200), "2200.00");
    EXPECT_EQ(FormatFloat("0.0000", 1.4f), "1.4000");
    std::setlocale(LC_ALL, "C");
}

TEST(FormatFloat, DecimalSeparatorIsHonoured) {
    DecimalSeparator = ',';
    EXPECT_EQ(FormatFloat("0.00", 1.5), "1,50");
    DecimalSeparator = '.';
}

TEST(FormatDateTime, PutsMinutesBeforeHoursInTheLogPattern) {
    TDateTime moment = EncodeDate(2026, 3, 4) + EncodeTime(9, 41, 7, 0);
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd nn:hh:ss", moment), "2026-03-04 41:09:07");
    EXPECT_EQ(FormatDateTime("hh:mm", moment), "09:41");
    EXPECT_EQ(FormatDateTime("d/m/yy", moment), "4/3/26");
}

TEST(DateTime, EncodesAndDecodesAcrossTheEpoch) {
    TDateTime moment = EncodeDate(1899, 12, 30);
    EXPECT_EQ(moment, 0.0);
    uint16_t y, m, d, h, n, s, ms;
    DecodeDate(EncodeDate(2024, 2, 29) + EncodeTime(23, 59, 59, 999), y, m, d);
    EXPECT_EQ((std::array<int, 3>{y, m, d}), (std::array<int, 3>{2024, 2, 29}));
    DecodeTime(EncodeTime(23, 59, 59, 999), h, n, s, ms);
    EXPECT_EQ((std::array<int, 4>{h, n, s, ms}), (std::array<int, 4>{23, 59, 59, 999}));
    DecodeDate(-1.25, y, m, d);
    DecodeTime(-1.25, h, n, s, ms);
    EXPECT_EQ((std::array<int, 7>{y, m, d, h, n, s, ms}),
              (std::array<int, 7>{1899, 12, 29, 6, 0, 0, 0}));
}

TEST(FileNames, ChangeAndExtract) {
    EXPECT_EQ(ChangeFileExt("/opt/hw/hushwave", ".log"), "/opt/hw/hushwave.log");
    EXPECT_EQ(ChangeFileExt("C:\\Prog\\Hushwave.exe", ".log"), "C:\\Prog\\Hushwave.log");
    EXPECT_EQ(ChangeFileExt("/opt/v1.2/hushwave", ".log"), "/opt/v1.2/hushwave.log");
    EXPECT_EQ(ExtractFilePath("/opt/hw/hushwave"), "/opt/hw/");
    EXPECT_EQ(ExtractFilePath("C:\\Prog\\Hushwave.exe"), "C:\\Prog\\");
    EXPECT_EQ(ExtractFilePath("hushwave"), "");
}

TEST(Text, UpperCaseAndPosition) {
    EXPECT_EQ(AnsiUpperCase("nodebug /Debug"), "NODEBUG /DEBUG");
    EXPECT_EQ(AnsiUpperCase("ä"), "Ä");
    EXPECT_EQ(Pos("DEBUG", "XDEBUGX"), 2);
    EXPECT_EQ(Pos("DEBUG", "DEBU"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
}

} // namespace
