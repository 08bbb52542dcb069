#include "platform/graphics/Raster.h"
#include "platform/graphics/Blit.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

constexpr uint32_t kPen = 1, kFill = 2;
const RECT kAll{-1000, -1000, 1000, 1000};

// '.' untouched, '#' pen, 'o' fill.
std::vector<std::string> Picture(const Surface& s) {
    std::vector<std::string> rows;
    for (int y = 0; y < s.Height(); ++y) {
        std::string row;
        for (int x = 0; x < s.Width(); ++x) {
            uint32_t p = s.Pixel(x, y);
            row += p == 0 ? '.' : p == kPen ? '#' : p == kFill ? 'o' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

Stroke Pen(int width = 1) {
    Stroke s;
    s.paint.pixel = kPen;
    s.width = width;
    return s;
}

const Paint kBrush{kFill};

// Inside the box, mirror-symmetric, and the outline closes around the fill: no fill pixel
// touches an untouched one.
void ExpectSoundShape(const Surface& s, const RECT& box) {
    for (int y = 0; y < s.Height(); ++y) {
        for (int x = 0; x < s.Width(); ++x) {
            uint32_t p = s.Pixel(x, y);
            bool inBox = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            if (!inBox) {
                ASSERT_EQ(p, 0u) << x << "," << y;
                continue;
            }
            ASSERT_EQ(p, s.Pixel(box.left + box.right - 1 - x, y)) << x << "," << y;
            ASSERT_EQ(p, s.Pixel(x, box.top + box.bottom - 1 - y)) << x << "," << y;
            if (p == kFill) {
                for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    ASSERT_NE(s.Pixel(x + dx, y + dy), 0u) << x << "," << y;
                }
            }
        }
    }
}

} // namespace

TEST(Raster, RectangleOutlinesItsOutermostPixelsAndExcludesRightAndBottom) {
    Surface s(7, 6);
    Stroke pen = Pen();
    DrawRoundShape(s, kAll, {1, 1, 6, 5}, 0, 0, &pen, &kBrush);
    EXPECT_EQ(Picture(s), (std::vector<std::string>{".......", //
                                                    ".#####.", //
                                                    ".#ooo#.", //
                                                    ".#ooo#.", //
                                                    ".#####.", //
                                                    "......."}));
}

TEST(Raster, WithoutAPenTheFillIsOnePixelSmaller) {
    Surface s(5, 4);
    DrawRoundShape(s, kAll, {0, 0, 4, 3}, 0, 0, nullptr, &kBrush);
    EXPECT_EQ(Picture(s), (std::vector<std::string>{"ooo..", "ooo..", ".....", "....."}));
}

TEST(Raster, FillRectangleCoversTheHalfOpenRectangleAndNothingWhenEmpty) {
    Surface s(4, 3);
    FillRectangle(s, kAll, {1, 0, 3, 2}, kBrush);
    FillRectangle(s, kAll, {3, 2, 1, 0}, Paint{kPen}); // inverted: empty
    FillRectangle(s, kAll, {2, 2, 2, 3}, Paint{kPen});
    EXPECT_EQ(Picture(s), (std::vector<std::string>{".oo.", ".oo.", "...."}));
}

TEST(Raster, EllipsesAndRoundRectanglesStayInsideTheirBox) {
    const RECT boxes[] = {{0, 0, 1, 1},   {0, 0, 2, 2},  {1, 1, 4, 4},  {0, 0, 9, 7},
                          {2, 1, 16, 11}, {0, 0, 25, 4}, {3, 0, 5, 13}, {1, 2, 30, 21}};
    for (const RECT& box : boxes) {
        for (auto [cw, ch] : {std::pair{kEllipseCorner, kEllipseCorner}, {6, 6}, {12, 3}}) {
            SCOPED_TRACE(testing::Message() << box.left << "," << box.top << "," << box.right << ","
                                            << box.bottom << " corner " << cw);
            Surface s(32, 24);
            Stroke pen = Pen();
            DrawRoundShape(s, kAll, box, cw, ch, &pen, &kBrush);
            ExpectSoundShape(s, box);
            // The box's four edges are each reached.
            EXPECT_EQ(s.Pixel((box.left + box.right) / 2, box.top), kPen);
            EXPECT_EQ(s.Pixel(box.left, (box.top + box.bottom) / 2), kPen);
        }
    }
}

TEST(Raster, SmallCircleIsRound) {
    Surface s(6, 6);
    Stroke pen = Pen();
    DrawRoundShape(s, kAll, {0, 0, 6, 6}, kEllipseCorner, kEllipseCorner, &pen, &kBrush);
    EXPECT_EQ(Picture(s), (std::vector<std::string>{".####.", //
                                                    "#oooo#", //
                                                    "#oooo#", //
                                                    "#oooo#", //
                                                    "#oooo#", //
                                                    ".####."}));
}

TEST(Raster, LinesLeaveOutTheirLastPoint) {
    Surface s(6, 3);
    DrawLine(s, kAll, {0, 0}, {4, 0}, Pen());
    DrawLine(s, kAll, {5, 2}, {5, 0}, Pen());
    DrawLine(s, kAll, {0, 2}, {2, 2}, Pen());
    DrawLine(s, kAll, {3, 2}, {3, 2}, Pen()); // a line to itself draws nothing
    EXPECT_EQ(Picture(s), (std::vector<std::string>{"####..", ".....#", "##...#"}));
}

TEST(Raster, PolygonIsClosedAndFilledInAlternateMode) {
    Surface triangle(6, 5);
    const POINT corners[] = {{0, 0}, {4, 0}, {0, 4}};
    Stroke pen = Pen();
    DrawPolygon(triangle, kAll, corners, &pen, &kBrush);
    EXPECT_EQ(Picture(triangle), (std::vector<std::string>{"#####.", //
                                                           "#oo#..", //
                                                           "#o#...", //
                                                           "##....", //
                                                           "#....."}));
    // A five-pointed star drawn in one stroke: alternate mode leaves the pentagon inside open.
    Surface star(21, 21);
    const POINT points[] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
    DrawPolygon(star, kAll, points, nullptr, &kBrush);
    EXPECT_EQ(star.Pixel(10, 11), 0u);
    EXPECT_EQ(star.Pixel(10, 3), kFill);
    EXPECT_EQ(star.Pixel(2, 7), kFill);
}

TEST(Raster, EachPixelIsCombinedOnceWhateverOverlaps) {
    Surface s(10, 10);
    s.Fill(0x0000FF);
    Stroke xorPen = Pen(3);
    xorPen.paint = {0x0000FF, 7}; // R2_XORPEN
    const POINT corners[] = {{2, 2}, {7, 2}, {7, 7}};
    DrawPolygon(s, kAll, corners, &xorPen, nullptr);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            ASSERT_TRUE(s.Pixel(x, y) == 0x0000FF || s.Pixel(x, y) == 0) << x << "," << y;
        }
    }
    EXPECT_EQ(s.Pixel(7, 2), 0u); // a corner where two wide segments meet
}

TEST(Raster, HugeCoordinatesCostOnlyTheClippedArea) {
    Surface s(20, 10);
    auto start = std::chrono::steady_clock::now();
    Stroke pen = Pen();
    DrawLine(s, kAll, {-2000000000, 5}, {2000000000, 5}, pen);
    DrawRoundShape(s, kAll, {-2000000000, -2000000000, 2000000000, 2000000000}, kEllipseCorner,
                   kEllipseCorner, &pen, &kBrush);
    const POINT huge[] = {{-2000000000, -2000000000}, {2000000000, 0}, {0, 2000000000}};
    DrawPolygon(s, kAll, huge, &pen, &kBrush);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(s.Pixel(10, 5), kFill);
}

TEST(Blit, StretchesByTheNearestPixelAndCopiesOverlapsAsBefore) {
    Surface src(2, 1);
    src.SetPixel(0, 0, 10);
    src.SetPixel(1, 0, 20);
    Surface dst(4, 2);
    StretchBlit(dst, kAll, {0, 0, 4, 2}, &src, {0, 0, 2, 1}, kRop3SourceCopy, 0);
    EXPECT_EQ(dst.Pixel(1, 1), 10u);
    EXPECT_EQ(dst.Pixel(2, 0), 20u);

    Surface row(5, 1);
    for (int x = 0; x < 5; ++x) {
        row.SetPixel(x, 0, uint32_t(x + 1));
    }
    StretchBlit(row, kAll, {1, 0, 5, 1}, &row, {0, 0, 4, 1}, kRop3SourceCopy, 0);
    EXPECT_EQ(row.Pixel(4, 0), 4u);
    EXPECT_EQ(row.Pixel(1, 0), 1u);
}

TEST(Blit, RasterOperationsAndTransparency) {
    Surface src(2, 1), dst(2, 1);
    src.SetPixel(0, 0, 0x00FF00);
    src.SetPixel(1, 0, 0xFF00FF);
    dst.Fill(0x0F0F0F);
    StretchBlit(dst, kAll, {0, 0, 2, 1}, &src, {0, 0, 2, 1}, 0x00660046, 0); // SRCINVERT
    EXPECT_EQ(dst.Pixel(0, 0), 0x0FF00Fu);
    dst.Fill(0x0F0F0F);
    EXPECT_TRUE(TransparentBlit(dst, kAll, {0, 0, 2, 1}, src, {0, 0, 2, 1}, 0xFF00FF));
    EXPECT_EQ(dst.Pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(dst.Pixel(1, 0), 0x0F0F0Fu);
    // The same picture again changes nothing, and says so, scaled or not.
    EXPECT_FALSE(TransparentBlit(dst, kAll, {0, 0, 2, 1}, src, {0, 0, 2, 1}, 0xFF00FF));
    EXPECT_FALSE(TransparentBlit(dst, kAll, {0, 0, 1, 1}, src, {0, 0, 2, 1}, 0xFF00FF));
    // Source pixels outside the source leave the destination alone.
    StretchBlit(dst, kAll, {0, 0, 2, 1}, &src, {1, 0, 3, 1}, kRop3SourceCopy, 0);
    EXPECT_EQ(dst.Pixel(0, 0), 0xFF00FFu);
    EXPECT_EQ(dst.Pixel(1, 0), 0x0F0F0Fu);
}
