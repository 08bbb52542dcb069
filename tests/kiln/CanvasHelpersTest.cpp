#include "kiln/Graphics/CanvasHelpers.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class CanvasHelpers : public testing::Test {
protected:
    void SetUp() override {
        bitmap.SetSize(12, 12);
        canvas = bitmap.Canvas();
        canvas->Pen()->SetColor(clBlack);
        canvas->Brush()->SetColor(clRed);
    }

    int Count(TColor color) {
        int n = 0;
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 12; ++x) {
                n += canvas->Pixels(x, y) == color;
            }
        }
        return n;
    }

    TBitmap bitmap;
    TCanvas* canvas = nullptr;
};

const TPoint kTriangle[] = {{1, 1}, {10, 1}, {1, 10}};

} // namespace

TEST_F(CanvasHelpers, LeavePenBrushAndCopyModeAsTheyFoundThem) {
    TBitmap source;
    source.SetSize(2, 2);
    const std::vector<std::function<void()>> helpers = {
        [&] { kiln::DrawRectFrame(canvas, TRect(1, 1, 8, 8)); },
        [&] { kiln::FillRectSolid(canvas, TRect(1, 1, 8, 8)); },
        [&] { kiln::DrawEllipseFrame(canvas, TRect(1, 1, 8, 8)); },
        [&] { kiln::FillEllipseSolid(canvas, TRect(1, 1, 8, 8)); },
        [&] { kiln::FillRoundRectSolid(canvas, TRect(1, 1, 8, 8), 4, 4); },
        [&] { kiln::DrawPolygonFrame(canvas, kTriangle, 3); },
        [&] { kiln::FillPolygonSolid(canvas, kTriangle, 3); },
        [&] { kiln::CopyBitmapRect(canvas, 3, 3, &source, TRect(0, 0, 2, 2)); },
    };
    for (TBrushStyle style : {bsSolid, bsClear}) {
        for (const auto& helper : helpers) {
            canvas->Brush()->SetColor(clRed);
            canvas->Brush()->SetStyle(style);
            canvas->SetCopyMode(cmSrcInvert);
            helper();
            EXPECT_EQ(canvas->Pen()->Color(), clBlack);
            EXPECT_EQ(canvas->Brush()->Style(), style);
            EXPECT_EQ(canvas->Brush()->Color(), clRed);
            EXPECT_EQ(canvas->CopyMode(), cmSrcInvert);
        }
    }
}

TEST_F(CanvasHelpers, SolidShapesHaveNoPenOutline) {
    kiln::FillRectSolid(canvas, TRect(0, 0, 6, 6));
    kiln::FillEllipseSolid(canvas, TRect(6, 0, 12, 6));
    kiln::FillRoundRectSolid(canvas, TRect(0, 6, 6, 12), 3, 3);
    kiln::FillPolygonSolid(canvas, std::vector<TPoint>{{6, 6}, {11, 6}, {6, 11}}.data(), 3);
    EXPECT_EQ(Count(clBlack), 0);
    EXPECT_EQ(canvas->Pixels(0, 0), clRed);
    EXPECT_EQ(canvas->Pixels(5, 5), clRed);
}

TEST_F(CanvasHelpers, OutlinesLeaveThePictureInsideVisible) {
    canvas->Brush()->SetColor(clLime);
    canvas->FillRect(TRect(0, 0, 12, 12));
    canvas->Brush()->SetColor(clRed);
    kiln::DrawRectFrame(canvas, TRect(0, 0, 12, 12));
    kiln::DrawEllipseFrame(canvas, TRect(2, 2, 10, 10));
    EXPECT_EQ(Count(clRed), 0);
    EXPECT_EQ(canvas->Pixels(6, 6), clLime);
    EXPECT_EQ(canvas->Pixels(0, 6), clBlack);
    EXPECT_EQ(canvas->Pixels(11, 11), clBlack);
}

TEST_F(CanvasHelpers, PolygonOfThreePointsIsAClosedTriangle) {
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(TRect(0, 0, 12, 12));
    kiln::DrawPolygonFrame(canvas, kTriangle, 3);
    EXPECT_EQ(canvas->Pixels(1, 5), clBlack); // the closing edge back to the first point
    EXPECT_EQ(canvas->Pixels(5, 1), clBlack);
    EXPECT_EQ(canvas->Pixels(5, 6), clBlack); // the diagonal
    EXPECT_EQ(canvas->Pixels(3, 3), clWhite);
    EXPECT_EQ(canvas->Pixels(9, 9), clWhite);
}

TEST_F(CanvasHelpers, CopyBitmapRectCopiesSameSizeAndNothingForAnEmptySource) {
    TBitmap source;
    source.SetSize(4, 4);
    source.Canvas()->Brush()->SetColor(clBlue);
    source.Canvas()->FillRect(TRect(1, 1, 3, 3));
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(TRect(0, 0, 12, 12));
    kiln::CopyBitmapRect(canvas, 5, 5, &source, TRect(2, 2, 2, 4));
    EXPECT_EQ(Count(clWhite), 144);
    kiln::CopyBitmapRect(canvas, 5, 5, &source, TRect(1, 1, 4, 4));
    EXPECT_EQ(Count(clBlue), 4);
    EXPECT_EQ(canvas->Pixels(5, 5), clBlue);
    EXPECT_EQ(canvas->Pixels(7, 7), clWhite);
    EXPECT_EQ(kiln::RectWidth(kiln::MakeRect(1, 2, 7, 10)), 6);
    EXPECT_EQ(kiln::RectHeight(kiln::MakeRect(1, 2, 7, 10)), 8);
}
