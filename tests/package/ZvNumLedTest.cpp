// The numeric LED display on pixels: numbers, times and dates in their formats, layouts that are
// refused, sizes with and without kept proportions, glyphs switched off and on, and colours.

#include "NumLedDisplay.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exception.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"

#include <cmath>
#include <limits>
#include <random>

namespace {

using ZvNumLedTest = NumLedFixture;

TEST_F(ZvNumLedTest, ANewDisplayShowsZeroInFourPlacesOnBlack) {
    EXPECT_EQ(display->GetFormat(), "8888");
    EXPECT_EQ(display->GetType(), nledFloat);
    EXPECT_EQ(display->GetStyle(), nledRectangle7_s);
    EXPECT_FALSE(display->GetZeroLeading());
    EXPECT_FALSE(display->GetKeepRatio());
    EXPECT_FALSE(display->GetTransparent());
    EXPECT_EQ(display->Width(), 0);
    EXPECT_EQ(display->GetLedColors()->GetLightColor(), kLit);
    EXPECT_EQ(display->GetLedColors()->GetDarkColor(), kUnlit);
    EXPECT_EQ(display->GetLedColors()->GetBackgroundColor(), clBlack);

    AtScale(1);
    EXPECT_EQ(display->Width(), 72);
    EXPECT_EQ(display->Height(), 22);
    EXPECT_EQ(display->Image()->Left(), kLeft);
    EXPECT_EQ(display->Image()->Top(), kTop);
    EXPECT_EQ(display->Image()->Width(), 72);
    ExpectShows("   0");
    EXPECT_EQ(Drawn(0, 0), clBlack);
    EXPECT_EQ(Drawn(71, 21), clBlack);
}

TEST_F(ZvNumLedTest, NumbersFillTheDigitPlacesFromTheRight) {
    struct Case {
        const char* format;
        bool zeroLeading;
        double value;
        const char* shown;
    };
    const Case cases[] = {
        {"88.8", false, 3.14159, " 3.1"},
        {"88.8", false, 2.96, " 3.0"},
        {"88.8", false, -3.1, " 3.1"},
        {"88.8", false, 0.04, " 0.0"},
        {"88.8", true, 0.04, "00.0"},
        {"8888", true, 42, "0042"},
        {"8888", false, 42, "  42"},
        {"8888", false, 123456, "3456"},
        {"8888", false, 55340232221128654848.0, "4848"}, // 3 × 2^64
        {"8888", false, std::numeric_limits<double>::quiet_NaN(), "   0"},
        {"8888", false, std::numeric_limits<double>::infinity(), "   0"},
        // Beyond eighteen places every digit of the number is still its own.
        {"88888888888888888888", false, 12345678901234567168.0, "12345678901234567168"},
        {"88888888888888888888", false, 1e19, "10000000000000000000"},
        {"8.88", false, 7.5, "7.50"},
        {"88^C", false, 25, "25^C"},
        {"88.8^C", false, 21.5, "21.5^C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.format << " " << c.value);
        display->SetFormat(c.format);
        display->SetZeroLeading(c.zeroLeading);
        AtScale(1);
        display->SetValue(c.value);
        ExpectShows(c.shown);
        double value = 0;
        EXPECT_TRUE(display->GetValue(value));
        display->SetValue(0.0);
    }
}

TEST_F(ZvNumLedTest, TimesAndDatesFillTheirLetterPlaces) {
    display->SetType(nledTime);
    display->SetFormat("HH.MM");
    AtScale(2);
    display->SetValue(EncodeTime(9, 5, 30, 0));
    ExpectShows("09.05", 2);
    display->SetFormat("hh.mm.ss");
    AtScale(1);
    ExpectShows("09.05.30");

    display->SetType(nledDate);
    display->SetFormat("DD.MM.YY");
    AtScale(1);
    const TDateTime date = EncodeDate(2006, 4, 28);
    display->SetValue(date);
    ExpectShows("28.04.06");
    double value = 0;
    EXPECT_TRUE(display->GetValue(value));
    EXPECT_EQ(value, date);

    // A number on a date display is a date; switching back shows the last number again.
    display->SetType(nledFloat);
    display->SetFormat("8888");
    AtScale(1);
    ExpectShows("   0");
}

// A time or date that no calendar day holds (not a number, or beyond the years 1 to 9999)
// shows zeros in every place, as a number that is no number does.
TEST_F(ZvNumLedTest, TimesAndDatesOutsideTheCalendarShowZeros) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    display->SetType(nledDate);
    display->SetFormat("DD.MM.YY");
    AtScale(1);
    for (double value : {nan, inf, -inf, 1e300, -1e300, EncodeDate(10000, 1, 1), -700000.0}) {
        SCOPED_TRACE(value);
        display->SetValue(EncodeDate(2006, 4, 28));
        display->SetValue(value);
        ExpectShows("00.00.00");
    }
    display->SetValue(EncodeDate(1, 1, 1));
    ExpectShows("01.01.01");
    display->SetValue(EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 0));
    ExpectShows("31.12.99");

    display->SetType(nledTime);
    display->SetFormat("HH.MM");
    AtScale(1);
    for (double value : {nan, inf, 1e300}) {
        SCOPED_TRACE(value);
        display->SetValue(EncodeTime(9, 5, 0, 0));
        display->SetValue(value);
        ExpectShows("00.00");
    }
}

// A side below zero is a side of 0, for the picture and the control alike; with kept
// proportions the whole picture is empty then.
TEST_F(ZvNumLedTest, SidesBelowZeroAreEmpty) {
    display->SetValue(42.0);
    struct Case {
        int width, height, shownWidth, shownHeight;
    };
    for (bool keepRatio : {false, true}) {
        SCOPED_TRACE(keepRatio);
        display->SetKeepRatio(keepRatio);
        for (Case c : {Case{-5, 22, 0, 22}, Case{72, -1, 72, 0}, Case{-72, -22, 0, 0}}) {
            display->SetBounds(kLeft, kTop, c.width, c.height);
            const int width = keepRatio ? 0 : c.shownWidth, height = keepRatio ? 0 : c.shownHeight;
            EXPECT_EQ(display->Width(), width);
            EXPECT_EQ(display->Height(), height);
            EXPECT_EQ(display->Image()->Width(), width);
            EXPECT_EQ(display->Image()->Height(), height);
        }
        AtScale(1);
        EXPECT_EQ(display->Width(), 72);
        ExpectShows("  42");
    }
}

TEST_F(ZvNumLedTest, AFormatWithoutGlyphsIsIgnored) {
    display->SetFormat("88.8");
    AtScale(1);
    display->SetValue(3.1);
    for (const char* format : {"88:88", "", "8 8"}) {
        display->SetFormat(format);
        EXPECT_EQ(display->GetFormat(), "88.8");
        EXPECT_EQ(display->Width(), 60);
        ExpectShows(" 3.1");
    }
}

TEST_F(ZvNumLedTest, KeepRatioTakesTheLargestSizeOfTheRowsProportions) {
    display->SetFormat("88^C");
    display->SetValue(25.0);
    AtScale(1);
    EXPECT_EQ(display->Width(), 64);
    EXPECT_EQ(display->Height(), 27);
    display->SetBounds(0, 0, 108, 100);
    EXPECT_EQ(display->Height(), 100);

    display->SetKeepRatio(true);
    EXPECT_EQ(display->Width(), 108);
    EXPECT_EQ(display->Height(), 45);
    EXPECT_EQ(display->Image()->Height(), 45);

    // A frame wider than the row: the height decides, and the glyphs stay in proportion.
    display->SetBounds(kLeft, kTop, 300, 54);
    EXPECT_EQ(display->Width(), 128);
    EXPECT_EQ(display->Height(), 54);
    ExpectShows("25^C", 2);
    EXPECT_EQ(Drawn(127, 53), clBlack);

    // The side that decides keeps the length it is given, where a factor in floating point
    // would scale the base size a little short of it.
    struct Case {
        const char* format;
        int width, height, keptWidth, keptHeight;
    };
    for (Case c : {Case{"88^C", 1000, 61, 144, 61}, Case{"88.8", 123, 300, 123, 55},
                   Case{"8888", 500, 30, 98, 30}}) {
        SCOPED_TRACE(c.format);
        display->SetFormat(c.format);
        display->SetBounds(kLeft, kTop, c.width, c.height);
        EXPECT_EQ(display->Width(), c.keptWidth);
        EXPECT_EQ(display->Height(), c.keptHeight);
    }
}

TEST_F(ZvNumLedTest, GlyphsSwitchedOffStayDarkUntilSwitchedOn) {
    AtScale(1);
    display->SetValue(1234.0);
    display->Off(2);
    ExpectShows("1_34");
    display->SetValue(5678.0);
    ExpectShows("5_78");
    display->On(2);
    ExpectShows("5678");
    display->On(0);
    ExpectShows("****");
    display->Off(0);
    ExpectShows("____");
    display->Off(9);
    display->On(9);
    ExpectShows("____");
    display->On(3);
    ExpectShows("__7_");
    display->Repaint();
    ExpectShows("__7_");

    // A new layout lights every segment, but a glyph that stays in place stays off.
    display->SetFormat("88.8");
    AtScale(1);
    ExpectShows("__._");
    display->On(0);
    display->SetValue(12.3);
    ExpectShows("12.3");
}

TEST_F(ZvNumLedTest, ColoursRedrawAtOnceAndSegmentColoursKeepSystemColoursAsTheyAre) {
    AtScale(1);
    ZvLedColors* colours = display->GetLedColors();
    colours->SetLightColor(clBtnFace);
    EXPECT_EQ(colours->GetLightColor(), TColor(clBtnFace & 0xFFFFFF));
    EXPECT_EQ(Drawn(4 * 18 - 10, 18), TColor(clBtnFace & 0xFFFFFF)); // the 0's bottom
    colours->SetDarkColor(clRed);
    EXPECT_EQ(Drawn(54 + 8, 10), clRed); // the 0's middle
    EXPECT_EQ(Drawn(8, 2), clRed);       // a blank digit's top

    colours->SetBackgroundColor(clBtnFace);
    EXPECT_EQ(colours->GetBackgroundColor(), ColorToRGB(clBtnFace));
    EXPECT_EQ(Drawn(0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(Drawn(8, 2), clRed);

    colours->SetTransparentColor(clBlue);
    EXPECT_EQ(colours->GetTransparentColor(), clBlue);
    EXPECT_EQ(display->Image()->Picture()->Bitmap()->TransparentColor(), clBlue);
}

TEST_F(ZvNumLedTest, ColourSetsCopyOnlyIntoColourSets) {
    AtScale(1);
    ZvNumLed* other = new ZvNumLed(form.get());
    other->GetLedColors()->SetLightColor(clYellow);
    other->GetLedColors()->SetDarkColor(clNavy);
    other->GetLedColors()->SetBackgroundColor(clWhite);
    other->GetLedColors()->SetTransparentColor(clWhite);
    display->SetLedColors(other->GetLedColors());
    ZvLedColors* colours = display->GetLedColors();
    EXPECT_EQ(colours->GetLightColor(), clYellow);
    EXPECT_EQ(colours->GetDarkColor(), clNavy);
    EXPECT_EQ(colours->GetBackgroundColor(), clWhite);
    EXPECT_EQ(colours->GetTransparentColor(), clWhite);
    EXPECT_EQ(Drawn(0, 0), clWhite);
    EXPECT_EQ(Drawn(62, 18), clYellow);

    EXPECT_THROW(display->SetLedColors(nullptr), EConvertError);
    TFont font;
    EXPECT_THROW(font.Assign(colours), EInvalidCast);
}

} // namespace
