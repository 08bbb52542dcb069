#include "platform/gdi/Gdi.h"
#include "platform/graphics/ScaledFont.h"
#include "platform/graphics/TBitmap.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A white bitmap whose canvas has a black pen and a red brush; pictures show '.' for white,
// '#' for black, 'r' for red and '?' for anything else.
class Canvas : public testing::Test {
protected:
    void SetUp() override {
        bitmap.SetSize(8, 6);
        canvas = bitmap.Canvas();
        canvas->Brush()->SetColor(clRed);
    }

    std::vector<std::string> Picture() {
        std::vector<std::string> rows;
        for (int y = 0; y < bitmap.Height(); ++y) {
            std::string row;
            for (int x = 0; x < bitmap.Width(); ++x) {
                TColor c = canvas->Pixels(x, y);
                row += c == clWhite ? '.' : c == clBlack ? '#' : c == clRed ? 'r' : '?';
            }
            rows.push_back(row);
        }
        return rows;
    }

    TBitmap bitmap;
    TCanvas* canvas = nullptr;
};

using Rows = std::vector<std::string>;

} // namespace

TEST_F(Canvas, RectangleExcludesRightAndBottomAndOutlinesInThePen) {
    canvas->Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Picture(), (Rows{"........", //
                               ".#####..", //
                               ".#rrr#..", //
                               ".#rrr#..", //
                               ".#####..", //
                               "........"}));
}

TEST_F(Canvas, FillRectUsesNoPenAndPaintsNothingWhenEmpty) {
    canvas->FillRect(TRect(1, 1, 4, 3));
    canvas->FillRect(TRect(5, 1, 5, 4));
    canvas->FillRect(TRect(7, 4, 6, 5));
    EXPECT_EQ(Picture(), (Rows{"........", //
                               ".rrr....", //
                               ".rrr....", //
                               "........", //
                               "........", //
                               "........"}));
}

TEST_F(Canvas, ClearBrushAndClearPen) {
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(0, 0, 4, 4);
    canvas->Brush()->SetColor(clRed);
    canvas->Pen()->SetStyle(psClear);
    canvas->Rectangle(4, 0, 8, 4);         // no pen: one pixel smaller, as in GDI
    EXPECT_EQ(Picture(), (Rows{"####rrr.", //
                               "#..#rrr.", //
                               "#..#rrr.", //
                               "####....", //
                               "........", //
                               "........"}));
}

TEST_F(Canvas, PolygonIsClosedAndShapesClipToTheBitmap) {
    const TPoint triangle[] = {{0, 0}, {4, 0}, {0, 4}};
    canvas->Polygon(triangle, 2);
    canvas->Ellipse(5, 3, 12, 10);         // reaches past the right and bottom edges
    EXPECT_EQ(Picture(), (Rows{"#####...", //
                               "#rr#....", //
                               "#r#.....", //
                               "##.....#", //
                               "#.....#r", //
                               ".....#rr"}));
}

TEST_F(Canvas, LinesLeaveTheirEndAndMoveThePen) {
    canvas->MoveTo(0, 0);
    canvas->LineTo(3, 0);
    canvas->LineTo(3, 3);
    EXPECT_EQ(canvas->PenPos().x, 3);
    EXPECT_EQ(Picture()[0], "####....");
    EXPECT_EQ(Picture()[2], "...#....");
    EXPECT_EQ(Picture()[3], "........");
}

TEST_F(Canvas, PixelsOutsideAreInvalid) {
    canvas->SetPixels(7, 5, clBlack);
    canvas->SetPixels(8, 5, clBlack);
    EXPECT_EQ(canvas->Pixels(7, 5), clBlack);
    EXPECT_EQ(canvas->Pixels(8, 5), CLR_INVALID);
    EXPECT_EQ(canvas->Pixels(-1, 0), CLR_INVALID);
    canvas->SetPixels(0, 0, clBtnFace); // system colours are resolved
    EXPECT_EQ(canvas->Pixels(0, 0), ColorToRGB(clBtnFace));
}

TEST_F(Canvas, PenModeCombinesOutlineAndFill) {
    canvas->Pen()->SetMode(pmNot);
    canvas->Rectangle(0, 0, 3, 3);
    EXPECT_EQ(canvas->Pixels(0, 0), clBlack); // white inverted
    EXPECT_EQ(canvas->Pixels(1, 1), clBlack);
}

TEST_F(Canvas, CopyRectUsesTheCopyModeAndDrawHonoursTransparency) {
    TBitmap source;
    source.SetSize(2, 2);
    source.Canvas()->Brush()->SetColor(clBlack);
    source.Canvas()->FillRect(TRect(0, 0, 2, 1)); // top row black, bottom row white
    canvas->CopyRect(TRect(0, 0, 2, 2), source.Canvas(), TRect(0, 0, 2, 2));
    EXPECT_EQ(Picture()[0].substr(0, 2), "##");
    canvas->SetCopyMode(cmDstInvert);
    canvas->CopyRect(TRect(0, 0, 1, 2), source.Canvas(), TRect(0, 0, 1, 2));
    EXPECT_EQ(Picture()[0].substr(0, 2), ".#");
    EXPECT_EQ(Picture()[1].substr(0, 2), "#.");
    canvas->SetCopyMode(cmSrcCopy);

    // tmAuto takes the bottom-left pixel (white) as transparent.
    canvas->FillRect(TRect(0, 0, 8, 6));
    source.SetTransparent(true);
    canvas->Draw(4, 3, &source);
    EXPECT_EQ(Picture()[3].substr(4, 2), "##");
    EXPECT_EQ(Picture()[4].substr(4, 2), "rr");
    source.SetTransparentColor(clBlack);
    EXPECT_EQ(source.TransparentMode(), tmFixed);
    canvas->FillRect(TRect(0, 0, 8, 6));
    canvas->StretchDraw(TRect(0, 0, 4, 4), &source);
    EXPECT_EQ(Picture()[0].substr(0, 4), "rrrr");
    EXPECT_EQ(Picture()[3].substr(0, 4), "....");
    source.SetTransparent(false);
    canvas->Draw(6, 0, &source);
    EXPECT_EQ(Picture()[0].substr(6, 2), "##");
}

TEST_F(Canvas, PictureDrawnAgainShowsWhateverChangedSinceItsLastDraw) {
    // A black top row over a white one, white taken as transparent; each change below is made
    // between two draws of the same picture at the same place, and the second draw must show
    // the pixels a first draw onto the changed pixels would show.
    struct Case {
        const char* change;
        std::function<void(TBitmap& source, TCanvas* target)> make;
        Rows expected;
    };
    const std::vector<Case> cases = {
        {"nothing", [](TBitmap&, TCanvas*) {}, {"##..", "....", "...."}},
        {"source canvas",
         [](TBitmap& source, TCanvas*) { source.Canvas()->SetPixels(1, 0, clRed); },
         {"#r..", "....", "...."}},
        {"source row written directly",
         [](TBitmap& source, TCanvas*) { source.PixelRow(0)[0] = PixelFromColorRef(clRed); },
         {"r#..", "....", "...."}},
        {"target painted under the picture",
         [](TBitmap&, TCanvas* target) { target->FillRect(TRect(0, 0, 4, 3)); },
         {"##rr", "rrrr", "rrrr"}},
        {"target pixels set",
         [](TBitmap&, TCanvas* target) {
             target->SetPixels(3, 2, clRed);
             target->SetPixels(0, 0, clRed);
         },
         {"##..", "....", "...r"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        TBitmap target;
        target.SetSize(4, 3);
        TBitmap source;
        source.SetSize(2, 2);
        source.Canvas()->Brush()->SetColor(clBlack);
        source.Canvas()->FillRect(TRect(0, 0, 2, 1));
        source.SetTransparent(true);
        target.Canvas()->Brush()->SetColor(clRed);
        int changes = 0;
        target.OnChange = [&changes](TObject*) { ++changes; };
        target.Canvas()->Draw(0, 0, &source);
        c.make(source, target.Canvas());
        const int before = changes;
        target.Canvas()->Draw(0, 0, &source);
        EXPECT_EQ(changes, before + 1); // a draw that changes nothing still raises OnChange
        Rows picture;
        for (int y = 0; y < 3; ++y) {
            std::string row;
            for (int x = 0; x < 4; ++x) {
                TColor p = target.Canvas()->Pixels(x, y);
                row += p == clWhite ? '.' : p == clBlack ? '#' : p == clRed ? 'r' : '?';
            }
            picture.push_back(row);
        }
        EXPECT_EQ(picture, c.expected);
    }
}

TEST_F(Canvas, PictureDrawnAgainAfterItsTransparentColourWasResetTakesTheBottomLeftPixel) {
    // Neither the target nor the source pixels change between the draws, only the colour
    // setting: black set by hand, then the automatic bottom-left pixel (white).
    TBitmap target;
    target.SetSize(2, 2);
    TBitmap source;
    source.SetSize(2, 2);
    source.Canvas()->Brush()->SetColor(clBlack);
    source.Canvas()->FillRect(TRect(0, 0, 2, 1));
    source.SetTransparent(true);
    source.SetTransparentColor(clBlack);
    target.Canvas()->Draw(0, 0, &source);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), clWhite);
    source.SetTransparentColor(clDefault);
    target.Canvas()->Draw(0, 0, &source);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), clBlack);
    EXPECT_EQ(target.Canvas()->Pixels(0, 1), clWhite);
}

TEST_F(Canvas, HandleKeepsSettingsMadeOnItUntilTheToolsChange) {
    HDC dc = canvas->Handle();
    EXPECT_EQ(GetBkMode(dc), OPAQUE); // a solid brush
    SetBkMode(dc, TRANSPARENT);
    EXPECT_EQ(GetBkMode(canvas->Handle()), TRANSPARENT);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Brush()->SetColor(clYellow);
    EXPECT_EQ(GetBkMode(canvas->Handle()), OPAQUE);
    EXPECT_EQ(canvas->Handle(), dc);
}

TEST_F(Canvas, TextIsMeasuredAndDrawnInTheFontColour) {
    bitmap.SetSize(60, 20);
    canvas->Font()->SetName("Arial");
    canvas->Font()->SetHeight(-12);
    canvas->Font()->SetColor(clBlue);
    canvas->Brush()->SetStyle(bsClear);
    int width = canvas->TextWidth("Hz");
    EXPECT_GT(width, 8);
    EXPECT_EQ(canvas->TextHeight("Hz"), FontFor(canvas->Font()->Request()).Metrics().height);
    canvas->TextOut(2, 2, "Hz");
    EXPECT_EQ(canvas->PenPos().x, 2 + width);
    bool blue = false, outside = false;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 60; ++x) {
            TColor c = canvas->Pixels(x, y);
            blue = blue || c == clBlue;
            outside = outside || (c != clWhite && (x < 2 || x >= 2 + width + 1));
        }
    }
    EXPECT_TRUE(blue);
    EXPECT_FALSE(outside);
}

TEST_F(Canvas, EveryDrawingOperationReportsChanging) {
    int changing = 0, changed = 0;
    canvas->OnChanging = [&](TObject*) { ++changing; };
    canvas->OnChange = [&](TObject*) { ++changed; };
    canvas->Rectangle(0, 0, 2, 2);
    canvas->FillRect(TRect(0, 0, 1, 1));
    canvas->TextOut(0, 0, "a");
    canvas->LineTo(1, 1);
    EXPECT_EQ(changing, 4);
    EXPECT_EQ(changed, 4);
}
