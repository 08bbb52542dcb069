// The LED model and the bitmap LED: states, the copies its figure shows, and where the figure
// stands when its user reaches it.

#include "kiln/Component/LED.h"
#include "kiln/Component/LED/BmpLED.h"
#include "tests/kiln/RecordingPainter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using testing::ElementsAre;
using BitmapLED = kiln::TBitmapLED<RecordingPainter>;

// A figure that counts the moves asked of it.
struct CountingFigure : kiln::BitmapFigure {
    void Draw() override {}
    void Erase() override {}
    void Offset(int dx, int dy) override {
        ++offsets;
        BitmapFigure::Offset(dx, dy);
    }
    int Width() const override { return 6; }
    int Height() const override { return 2; }
    int offsets = 0;
};

struct OneStateLED : kiln::LED {
    using LED::LED;
    int StateCount() const override { return 1; }
    int State() const override { return 0; }
    void SetState(int) override {}
    void Update() override {}
    kiln::Figure& GetFigure() override { return figure; }
    CountingFigure figure;
};

TBitmap* Solid(TBitmap& bitmap, int width, int height) {
    bitmap.SetSize(width, height);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(TRect(0, 0, width, height));
    return &bitmap;
}

TEST(LED, FigureIsMovedToTheLEDsPositionOnlyWhenItStandsElsewhere) {
    OneStateLED led(10, 4);
    EXPECT_EQ(led.Figure().Left(), 10);
    EXPECT_EQ(led.Figure().Top(), 4);
    EXPECT_EQ(led.figure.offsets, 1);
    led.figure.Offset(-3, 2);
    led.Figure();
    EXPECT_EQ(led.figure.offsets, 3);
    EXPECT_EQ(led.figure.Left(), 10);
    EXPECT_EQ(led.figure.Top(), 4);
    led.figure.Offset(0, 2);
    led.Figure();
    EXPECT_EQ(led.figure.Top(), 4) << "a figure off in one coordinate only is moved back too";
    led.figure.Offset(5, 0);
    led.Figure();
    EXPECT_EQ(led.figure.Left(), 10);
    EXPECT_EQ(led.Width(), 6);
    EXPECT_EQ(led.Height(), 2);
}

TEST(BitmapLED, NullSourcesGiveDistinctEmptyBitmapsAndAnEmptyFigure) {
    RecordingPainter painter;
    TBitmap* const sources[] = {nullptr, nullptr, nullptr};
    BitmapLED led(0, 0, sources, sources + 3, &painter);
    EXPECT_EQ(led.StateCount(), 3);
    EXPECT_EQ(led.State(), 0);
    std::set<TBitmap*> distinct;
    for (int i = 0; i < 3; ++i) {
        distinct.insert(led.Bitmap(i));
        EXPECT_FALSE(led.Bitmap(i)->Handle());
        EXPECT_EQ(led.Bitmap(i)->Width(), 0);
    }
    EXPECT_EQ(distinct.size(), 3u);
    EXPECT_EQ(led.Width(), 0);
    EXPECT_EQ(led.Height(), 0);
}

TEST(BitmapLED, KeepsCopiesOfItsSourcesAndShowsTheCurrentOneAtItsPosition) {
    RecordingPainter painter;
    TBitmap first, second;
    TBitmap* const sources[] = {Solid(first, 2, 1), Solid(second, 3, 4)};
    BitmapLED led(7, 5, sources, sources + 2, &painter);
    EXPECT_NE(led.Bitmap(0), &first);
    first.SetSize(8, 8);
    EXPECT_EQ(led.Bitmap(0)->Width(), 2);
    led.Figure().Draw();
    led.SetState(1);
    EXPECT_EQ(led.State(), 1);
    EXPECT_EQ(led.Width(), 3);
    led.Figure().Draw();
    EXPECT_THAT(painter.calls,
                ElementsAre("DrawBitmap (0,0,2,1) at 7,5", "DrawBitmap (0,0,3,4) at 7,5"));
}

TEST(BitmapLED, ChangesInPlaceShowAfterUpdateNotAfterSettingTheSameState) {
    RecordingPainter painter;
    TBitmap first;
    TBitmap* const sources[] = {Solid(first, 2, 1), nullptr};
    BitmapLED led(0, 0, sources, sources + 2, &painter);
    Solid(*led.Bitmap(0), 5, 5);
    led.SetState(0);
    EXPECT_EQ(led.Width(), 2);
    led.Update();
    EXPECT_EQ(led.Width(), 5);
    Solid(*led.Bitmap(1), 4, 4);
    led.SetState(1);
    EXPECT_EQ(led.Width(), 4) << "a state that becomes current is copied afresh";
}

TEST(BitmapLED, RemovingAStateMovesTheLaterOnesDown) {
    RecordingPainter painter;
    TBitmap* const sources[] = {nullptr, nullptr, nullptr};
    BitmapLED led(0, 0, sources, sources + 3, &painter);
    TBitmap* formerOne = led.Bitmap(1);
    TBitmap* formerTwo = led.Bitmap(2);
    led.RemoveBitmap(0);
    EXPECT_EQ(led.StateCount(), 2);
    EXPECT_EQ(led.Bitmap(0), formerOne);
    EXPECT_EQ(led.Bitmap(1), formerTwo);
    led.AppendBitmap(nullptr);
    EXPECT_EQ(led.StateCount(), 3);
}

TEST(BitmapLEDDeathTest, IndexesAndStatesOutsideTheLEDAreReported) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    RecordingPainter painter;
    TBitmap* const sources[] = {nullptr, nullptr, nullptr};
    auto report = [](const std::string& expression) {
        return "^Assertion failed: " + expression +
               ", file .*kiln/Component/LED/BmpLED\\.h, line [0-9]+\n";
    };
    BitmapLED led(0, 0, sources, sources + 3, &painter);
    const std::string index = report("index < \\(int\\) m_bitmaps\\.size\\(\\)");
    EXPECT_DEATH(led.Bitmap(3), index);
    EXPECT_DEATH(led.RemoveBitmap(3), index);
    EXPECT_DEATH(led.Bitmap(-1), report("index >= 0"));

    const std::string state = report("state >= 0 && state < StateCount\\(\\)");
    EXPECT_DEATH(led.SetState(3), state);
    EXPECT_DEATH(led.SetState(-1), state);
    EXPECT_DEATH(BitmapLED(0, 0, sources, sources, &painter), state);

    EXPECT_DEATH(
        {
            led.SetState(2);
            led.RemoveBitmap(2);
            led.Update();
        },
        report("m_state >= 0 && m_state < StateCount\\(\\)"));

    using Helper =
        kiln::detail::BitmapLEDHelper<kiln::TBitmapFigure<RecordingPainter>, std::vector<TBitmap*>>;
    EXPECT_DEATH(Helper(&painter, nullptr).StateCount(), report("m_pBitmaps"));
}

} // namespace
