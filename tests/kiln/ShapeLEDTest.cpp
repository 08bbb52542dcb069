// Segment LEDs, glyphs made of them, rows of glyphs, and the factory that builds a glyph from
// its description.

#include "kiln/Component/LED/ShapeLED.h"
#include "kiln/Component/LED.h"
#include "kiln/Component/LED/BasicLEDCollector.h"
#include "kiln/Component/LED/SegmentTables.h"
#include "tests/kiln/RecordingPainter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using testing::ElementsAre;
using Glyph = std::unique_ptr<kiln::CompositeScalableLED>;
using Row = kiln::BasicLED_Collector<kiln::ScalableLED_Collector, kiln::CompositeScalableFig>;
using Factory = kiln::ShapeLedFatory<RecordingPainter>;

const kiln::Color dark(14, 38, 62), light(10, 240, 10);

kiln::PolygonFigure<RecordingPainter> Bar(RecordingPainter* painter, int left, int top) {
    kiln::PolygonFigure<RecordingPainter> figure(painter);
    figure.SetControlPoint({left, top}, 0);
    figure.SetControlPoint({left + 4, top + 1}, 1);
    figure.Resize(figure.OriginalWidth(), figure.OriginalHeight());
    return figure;
}

// A glyph of n bars in a box of the width, made by the factory.
Glyph MakeGlyph(RecordingPainter* painter, const kiln::Color* colours, int width, int bars) {
    std::vector<int> description = {bars, 0, 0, width, 22};
    for (int i = 0; i < bars; ++i) {
        description.insert(description.end(), {1, 0, 2 * i, 4, 2 * i + 1});
    }
    Glyph glyph;
    Factory().CreateLED(description.data(), &kiln::sevenSegTbl, painter, colours, 2, glyph);
    return glyph;
}

TEST(SolidShapeLED, LightsItsFigureInTheColourOfItsState) {
    RecordingPainter painter;
    kiln::Color colours[] = {dark, light};
    kiln::SolidShapeLED<kiln::PolygonFigure<RecordingPainter>> led(3, 4, Bar(&painter, 0, 0),
                                                                   colours, 2);
    auto& figure = static_cast<kiln::ShapeFigure&>(led.Figure());
    EXPECT_EQ(led.State(), 0);
    EXPECT_EQ(led.StateCount(), 2);
    EXPECT_EQ(figure.LineColor(), dark);
    EXPECT_EQ(figure.FillColor(), dark);
    EXPECT_EQ(figure.Left(), 3); // placed at the LED's position
    led.SetState(1);
    EXPECT_EQ(figure.LineColor(), light);
    EXPECT_EQ(figure.FillColor(), light);

    colours[1] = kiln::Color(1, 2, 3);
    led.SetState(1); // the current state: nothing is taken again
    EXPECT_EQ(figure.FillColor(), light);
    led.Update();
    EXPECT_EQ(figure.FillColor(), kiln::Color(1, 2, 3));

    figure.Resize(40, 10);
    EXPECT_EQ(led.Width(), 4); // the base size
    EXPECT_EQ(led.Height(), 1);
}

TEST(CompositeScalableLED, TheTableSetsEachSegment) {
    RecordingPainter painter;
    const kiln::Color colours[] = {dark, light};
    Glyph glyph = MakeGlyph(&painter, colours, 18, 7);
    EXPECT_EQ(glyph->StateCount(), 12);
    EXPECT_EQ(glyph->State(), -1);
    glyph->SetState(3); // the digit 2: 1 1 0 1 1 0 1
    std::vector<int> states;
    for (const auto& segment : glyph->Segments()) {
        states.push_back(segment->State());
    }
    EXPECT_THAT(states, ElementsAre(1, 1, 0, 1, 1, 0, 1));
    glyph->SetState(0);
    for (const auto& segment : glyph->Segments()) {
        EXPECT_EQ(segment->State(), 0);
    }
}

TEST(CompositeScalableLED, ItsWidthIsItsBoxAtWhateverSizeItIsDrawn) {
    RecordingPainter painter;
    const kiln::Color colours[] = {dark, light};
    Glyph glyph = MakeGlyph(&painter, colours, 18, 2);
    glyph->Figure().Resize(54, 66);
    EXPECT_EQ(glyph->Figure().Width(), 54);
    EXPECT_EQ(glyph->Width(), 18);
    EXPECT_EQ(glyph->Height(), 22);
}

TEST(ShapeLedFatory, BuildsEveryKindOfSegmentAndReturnsWhereTheDescriptionEnds) {
    RecordingPainter painter;
    const kiln::Color colours[] = {dark, light};
    const int description[] = {6, 0,  0,  30, 30,          // box
                               0, 3,  1,  1,  5,  1, 1, 4, // polygon
                               1, 6,  1,  9,  3,           // rectangle
                               2, 10, 1,  14, 4,           // ellipse
                               3, 16, 1,  20, 4,  2, 2,    // rounded rectangle
                               4, 1,  10, 5,               // circle
                               5, 8,  10, 6,               // square
                               99};                        // what follows the description
    Glyph glyph;
    const int* end =
        Factory().CreateLED(description, &kiln::sevenSegTbl, &painter, colours, 2, glyph);
    EXPECT_EQ(*end, 99);
    ASSERT_EQ(glyph->Segments().size(), 6u);
    glyph->Figure().Resize(60, 60);
    painter.calls.clear();
    // The polygon covers the doubled cells of its design pixels: its right and bottom corners
    // go to the last pixel of their cells. The other shapes scale by their own rules.
    glyph->Figure().Draw();
    EXPECT_THAT(
        painter.calls,
        ElementsAre("Color FF3E260E", "FillPolygon (2,2) (11,2) (2,9)", "Color FF3E260E",
                    "FramePolygon (2,2) (11,2) (2,9)", "Color FF3E260E", "FillRect (12,2,18,6)",
                    "Color FF3E260E", "FrameRect (12,2,18,6)", "Color FF3E260E",
                    "FillEllipse (20,2,28,8)", "Color FF3E260E", "FrameEllipse (20,2,28,8)",
                    "Color FF3E260E", "FillRoundRect (32,2,40,8) 2x2", "Color FF3E260E",
                    "FrameRoundRect (32,2,40,8) 2x2", "Color FF3E260E", "FillEllipse (2,20,12,30)",
                    "Color FF3E260E", "FrameEllipse (2,20,12,30)", "Color FF3E260E",
                    "FillRect (16,20,28,32)", "Color FF3E260E", "FrameRect (16,20,28,32)"));
}

TEST(LEDRow, GlyphsAddedAtBaseSizeKeepTheirPlaceInAStretchedRow) {
    RecordingPainter painter;
    const kiln::Color colours[] = {dark, light};
    Row row;
    row.SetOriginalWidth(42);
    row.SetOriginalHeight(22);
    row.Figure().Resize(84, 44);
    std::vector<Glyph> glyphs;
    int x = 0;
    for (int width : {18, 6, 18}) {
        glyphs.push_back(MakeGlyph(&painter, colours, width, 1));
        glyphs.back()->SetLeft(x);
        x += glyphs.back()->Width();
        row.Add(glyphs.back().get());
    }
    EXPECT_EQ(row.Figure().Width(), 84);
    EXPECT_EQ(row.Figure().Height(), 44);
    EXPECT_EQ(row.Width(), 42);
    EXPECT_EQ(row.Height(), 22);
    std::vector<int> lefts;
    for (kiln::Figure* glyph : row.Figure().Members()) {
        lefts.push_back(glyph->Left());
    }
    EXPECT_THAT(lefts, ElementsAre(0, 36, 48));
}

TEST(LEDRow, AddressesItsLEDsByIndex) {
    RecordingPainter painter;
    const kiln::Color colours[] = {dark, light};
    Row row;
    row.SetOriginalWidth(36);
    row.SetOriginalHeight(22);
    row.Figure().Resize(36, 22);
    Glyph a = MakeGlyph(&painter, colours, 18, 7), b = MakeGlyph(&painter, colours, 18, 7);
    b->SetLeft(18);
    row.Add(a.get());
    row.Add(b.get());
    EXPECT_EQ(row.LEDCount(), 2);
    EXPECT_EQ(row.LEDStateCount(1), 12);
    row.SetLEDState(1, 9);
    EXPECT_EQ(b->State(), 9);
    EXPECT_EQ(row.Detach(0), a.get());
    EXPECT_EQ(row.LEDCount(), 1);
    row.Insert(a.get(), 0);
    EXPECT_EQ(row.Detach(1), b.get());
    row.Remove(b.get()); // not in the row: nothing happens
    row.Remove(a.get());
    EXPECT_EQ(row.LEDCount(), 0);
    EXPECT_TRUE(row.Figure().Members().empty());
}

TEST(ShapeLEDDeathTest, StatesIndexesAndSegmentTypesAreChecked) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto report = [](const std::string& expression, const std::string& file) {
        return "^Assertion failed: " + expression + ", file .*kiln/Component/" + file +
               ", line [0-9]+\n";
    };
    const std::string state = "state >= 0 && state < StateCount\\(\\)";
    RecordingPainter painter;
    const kiln::Color colours[] = {dark, light};
    kiln::SolidShapeLED<kiln::PolygonFigure<RecordingPainter>> segment(0, 0, Bar(&painter, 0, 0),
                                                                       colours, 2);
    EXPECT_DEATH(segment.SetState(2), report(state, "LED/ShapeLED\\.h"));
    EXPECT_DEATH(segment.SetState(-1), report(state, "LED/ShapeLED\\.h"));
    Glyph glyph = MakeGlyph(&painter, colours, 18, 7);
    EXPECT_DEATH(glyph->SetState(12), report(state, "Source/LED\\.cpp"));

    Row row;
    EXPECT_DEATH(row.Detach(0), report("index < LEDCount\\(\\)", "LED\\.h"));
    EXPECT_DEATH(row.Insert(glyph.get(), 1), report("index <= LEDCount\\(\\)", "LED\\.h"));
    EXPECT_DEATH(row.LEDStateCount(0), report("indexOfLED < m_LEDs\\.size\\(\\)", "LED\\.h"));
    EXPECT_DEATH(row.SetLEDState(0, 0), report("indexOfLED < m_LEDs\\.size\\(\\)", "LED\\.h"));

    const int unknown[] = {1, 0, 0, 10, 10, 6, 1, 1, 2, 2};
    EXPECT_DEATH(Factory().CreateLED(unknown, &kiln::sevenSegTbl, &painter, colours, 2, glyph),
                 report("false", "LED/ShapeLED\\.h"));
}

} // namespace
