#include "kiln/Graphics/CanvasLayer.h"
#include "kiln/Graphics/Color.h"
#include "kiln/Graphics/NullSaver.h"
#include "kiln/Graphics/SimplePainter.h"
#include "platform/gdi/GdiObjects.h"

#include <gtest/gtest.h>

namespace {

using Layer = kiln::CanvasLayer<kiln::NullSaver<TCanvas*>>;
using Painter = kiln::SimplePainter<Layer>;

struct FigurePoint {
    int x, y;
};

class PainterTest : public testing::Test {
protected:
    void SetUp() override {
        bitmap.SetSize(20, 12);
        bitmap.Canvas()->Brush()->SetColor(clBlack);
        bitmap.Canvas()->FillRect(TRect(0, 0, 20, 12));
    }

    int Count(TColor color, TRect within) {
        int n = 0;
        for (int y = within.top; y < within.bottom; ++y) {
            for (int x = within.left; x < within.right; ++x) {
                n += bitmap.Canvas()->Pixels(x, y) == color;
            }
        }
        return n;
    }

    TBitmap bitmap;
};

} // namespace

TEST(KilnColor, ConversionsKeepTheByteOrderAndMarkTheTopByte) {
    EXPECT_EQ(kiln::Color().Value(), 0xFF000000u);
    EXPECT_EQ(kiln::Color(1, 2, 3).Value(), 0xFF030201u);
    EXPECT_EQ(kiln::Color::FromPlatform(clBtnFace).Value(), 0xFFC8D0D4u);
    EXPECT_EQ(kiln::Color::FromPlatformUnresolved(clBtnFace).Value(), 0xFF00000Fu | clBtnFace);
    EXPECT_EQ(kiln::Color(1, 2, 3).ToPlatform(), 0x030201u);
}

TEST_F(PainterTest, GrowingClearsTheUncoveredStripsAndShrinkingNothing) {
    Layer layer(bitmap.Canvas(), 10, 8);
    layer.SetSize(20, 12);
    EXPECT_EQ(Count(clWhite, TRect(10, 0, 20, 12)), 120);
    EXPECT_EQ(Count(clWhite, TRect(0, 8, 10, 12)), 40);
    EXPECT_EQ(Count(clBlack, TRect(0, 0, 10, 8)), 80);
    bitmap.Canvas()->Brush()->SetColor(clBlack);
    bitmap.Canvas()->FillRect(TRect(0, 0, 20, 12));
    layer.SetSize(5, 5);
    EXPECT_EQ(Count(clBlack, TRect(0, 0, 20, 12)), 240);
}

TEST_F(PainterTest, ClearUsesTheBackgroundAndLeavesTheBrushAlone) {
    Layer layer(bitmap.Canvas(), 20, 12);
    EXPECT_EQ(layer.BackgroundColor(), kiln::Color(255, 255, 255));
    layer.SetBackgroundColor(kiln::Color(0, 0, 255));
    for (TBrushStyle style : {bsSolid, bsClear}) {
        bitmap.Canvas()->Brush()->SetColor(clLime);
        bitmap.Canvas()->Brush()->SetStyle(style);
        layer.Clear();
        EXPECT_EQ(Count(clBlue, TRect(0, 0, 20, 12)), 240);
        EXPECT_EQ(bitmap.Canvas()->Brush()->Style(), style);
        EXPECT_EQ(bitmap.Canvas()->Brush()->Color(), clLime);
    }
}

TEST_F(PainterTest, FrameTouchesOnlyTheEdgeAndFillEveryPixel) {
    Layer layer(bitmap.Canvas(), 20, 12);
    Painter painter(&layer);
    painter.SetColor(kiln::Color(255, 0, 0));
    painter.FrameRect(TRect(0, 0, 10, 10));
    EXPECT_EQ(Count(clRed, TRect(0, 0, 20, 12)), 36);
    EXPECT_EQ(Count(clBlack, TRect(1, 1, 9, 9)), 64);
    painter.FillRect(TRect(0, 0, 10, 10));
    EXPECT_EQ(Count(clRed, TRect(0, 0, 20, 12)), 100);

    const FigurePoint triangle[] = {{12, 1}, {18, 1}, {12, 7}};
    painter.SetColor(kiln::Color(0, 255, 0));
    painter.FillPolygon(triangle, 3);
    EXPECT_EQ(bitmap.Canvas()->Pixels(13, 2), clLime);
    painter.Erase(TRect(10, 0, 20, 12));
    EXPECT_EQ(Count(clWhite, TRect(10, 0, 20, 12)), 120);
}

TEST_F(PainterTest, DrawBitmapCopiesAPartAndTheOwnerKeepsTheBitmap) {
    TBitmap source;
    source.SetSize(4, 4);
    source.Canvas()->Brush()->SetColor(clYellow);
    source.Canvas()->FillRect(TRect(2, 2, 4, 4));
    Layer layer(bitmap.Canvas(), 20, 12);
    Painter painter(&layer);
    size_t objects = GdiObjectCount();
    bitmap.Canvas()->SetCopyMode(cmSrcInvert);
    painter.DrawBitmap(source.Handle(), TRect(2, 2, 4, 4), 15, 5);
    EXPECT_EQ(Count(clYellow, TRect(0, 0, 20, 12)), 4);
    EXPECT_EQ(bitmap.Canvas()->Pixels(15, 5), clYellow);
    EXPECT_EQ(bitmap.Canvas()->CopyMode(), cmSrcInvert);
    EXPECT_EQ(GdiObjectCount(), objects);
    EXPECT_TRUE(source.Handle());
    EXPECT_EQ(source.Canvas()->Pixels(3, 3), clYellow);
}
