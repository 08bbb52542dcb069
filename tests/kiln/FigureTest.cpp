// The bitmap figure: what it asks its painter for, and the pixels it leaves on a surface.

#include "kiln/Graphics/CanvasLayer.h"
#include "kiln/Graphics/Figure/BmpFigure.h"
#include "kiln/Graphics/NullSaver.h"
#include "kiln/Graphics/SimplePainter.h"
#include "tests/kiln/RecordingPainter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using Figure = kiln::TBitmapFigure<RecordingPainter>;

void Fill(TBitmap& bitmap, int width, int height, TColor color) {
    bitmap.SetSize(width, height);
    bitmap.Canvas()->Brush()->SetColor(color);
    bitmap.Canvas()->FillRect(TRect(0, 0, width, height));
}

TEST(BitmapFigure, WithoutABitmapItHasNoSizeAndPaintsNothing) {
    RecordingPainter painter;
    Figure figure(&painter);
    EXPECT_EQ(figure.Left(), 0);
    EXPECT_EQ(figure.Top(), 0);
    EXPECT_EQ(figure.Width(), 0);
    EXPECT_EQ(figure.Height(), 0);
    figure.Draw();
    figure.Erase();
    EXPECT_THAT(painter.calls, IsEmpty());
}

TEST(BitmapFigure, AnEmptyPictureIsNotDrawnButItsRectangleIsErased) {
    struct Case {
        int width, height;
        const char* erased;
    };
    for (Case c : {Case{0, 0, "Erase (2,1,2,1)"}, Case{5, 0, "Erase (2,1,7,1)"}}) {
        RecordingPainter painter;
        Figure figure(&painter);
        TBitmap empty;
        empty.SetSize(c.width, c.height);
        figure.AssignBitmap(&empty);
        figure.Offset(2, 1);
        figure.Draw();
        figure.Erase();
        EXPECT_THAT(painter.calls, ElementsAre(c.erased)) << c.width << "x" << c.height;
        EXPECT_EQ(figure.Width(), c.width);
    }
}

TEST(BitmapFigure, OffsetsAddUpAndMovingDrawsNothing) {
    RecordingPainter painter;
    Figure figure(&painter);
    TBitmap source;
    Fill(source, 4, 3, clRed);
    figure.AssignBitmap(&source);
    figure.Draw();
    figure.Offset(-5, 3);
    figure.Offset(1, 1);
    EXPECT_EQ(figure.Left(), -4);
    EXPECT_EQ(figure.Top(), 4);
    figure.Draw();
    figure.Erase();
    EXPECT_THAT(painter.calls, ElementsAre("DrawBitmap (0,0,4,3) at 0,0",
                                           "DrawBitmap (0,0,4,3) at -4,4", "Erase (-4,4,0,7)"));
}

TEST(BitmapFigure, DrawsItsOwnCopyUntilTheNextAssign) {
    RecordingPainter painter;
    Figure figure(&painter);
    TBitmap source;
    Fill(source, 4, 3, clRed);
    figure.AssignBitmap(&source);
    source.SetSize(9, 9);
    figure.Draw();
    EXPECT_NE(painter.lastBitmap, source.Handle());
    EXPECT_EQ(figure.Width(), 4);
    figure.AssignBitmap(&source);
    figure.AssignBitmap(nullptr);
    EXPECT_EQ(figure.Width(), 0);
    figure.Draw();
    EXPECT_THAT(painter.calls, ElementsAre("DrawBitmap (0,0,4,3) at 0,0"));
}

TEST(BitmapFigure, PaintsItsPixelsAtItsPositionAndErasesToTheBackground) {
    using Layer = kiln::CanvasLayer<kiln::NullSaver<TCanvas*>>;
    TBitmap surface;
    Fill(surface, 12, 8, clBlack);
    Layer layer(surface.Canvas(), 12, 8);
    layer.SetBackgroundColor(kiln::Color(0, 0, 255));
    kiln::SimplePainter<Layer> painter(&layer);
    kiln::TBitmapFigure<kiln::SimplePainter<Layer>> figure(&painter);

    TBitmap source;
    Fill(source, 3, 2, clRed);
    source.Canvas()->SetPixels(2, 1, clLime);
    figure.AssignBitmap(&source);
    Fill(source, 3, 2, clYellow); // not seen: the figure keeps its copy
    figure.Offset(4, 5);
    figure.Draw();

    TCanvas* canvas = surface.Canvas();
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 4 && x < 7 && y >= 5 && y < 7;
            const TColor expected = !inside ? clBlack : (x == 6 && y == 6) ? clLime : clRed;
            ASSERT_EQ(canvas->Pixels(x, y), expected) << x << "," << y;
        }
    }
    figure.Erase();
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 4 && x < 7 && y >= 5 && y < 7;
            ASSERT_EQ(canvas->Pixels(x, y), inside ? clBlue : clBlack) << x << "," << y;
        }
    }
}

TEST(BitmapFigureDeathTest, DrawingAndErasingNeedAPainter) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const char* report =
        "^Assertion failed: m_painterPtr, file .*kiln/Graphics/Figure/BmpFigure\\.h, line [0-9]+\n";
    EXPECT_DEATH(Figure(nullptr).Draw(), report);
    EXPECT_DEATH(Figure(nullptr).Erase(), report);
}

} // namespace
