#include "platform/graphics/Region.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

constexpr int kGrid = 24;
using Pixels = std::array<std::array<bool, kGrid>, kGrid>;

Pixels PixelsOf(const Region& r) {
    Pixels p{};
    for (int y = 0; y < kGrid; ++y) {
        for (int x = 0; x < kGrid; ++x) {
            p[y][x] = r.Contains(x, y);
        }
    }
    return p;
}

bool Apply(bool a, bool b, RegionOperation op) {
    switch (op) {
    case RegionOperation::Intersect:
        return a && b;
    case RegionOperation::Unite:
        return a || b;
    case RegionOperation::Xor:
        return a != b;
    case RegionOperation::Subtract:
        return a && !b;
    }
    return false;
}

RECT RandomRect(std::mt19937& rng) {
    std::uniform_int_distribution<int> coordinate(-2, kGrid + 2);
    return {coordinate(rng), coordinate(rng), coordinate(rng), coordinate(rng)};
}

} // namespace

TEST(Region, RectanglesAreHalfOpenAndInvertedOnesEmpty) {
    Region r(2, 3, 5, 7);
    EXPECT_TRUE(r.Contains(2, 3));
    EXPECT_TRUE(r.Contains(4, 6));
    EXPECT_FALSE(r.Contains(5, 3));
    EXPECT_FALSE(r.Contains(2, 7));
    EXPECT_EQ(r.Complexity(), RegionComplexity::Simple);
    EXPECT_EQ(r.Bounds(), (RECT{2, 3, 5, 7}));
    EXPECT_TRUE(Region(5, 3, 2, 7).IsEmpty());
    EXPECT_TRUE(Region(2, 3, 2, 7).IsEmpty());
    EXPECT_EQ(Region().Complexity(), RegionComplexity::Null);
    EXPECT_EQ(Region().Bounds(), (RECT{0, 0, 0, 0}));
}

// A seeded sweep of combinations checked pixel by pixel against a plain grid, with the
// invariants of the rectangle list on every result.
TEST(Region, CombinationsMatchAPixelModel) {
    std::mt19937 rng(20240611);
    const RegionOperation ops[] = {RegionOperation::Intersect, RegionOperation::Unite,
                                   RegionOperation::Xor, RegionOperation::Subtract};
    for (int round = 0; round < 400; ++round) {
        std::vector<RECT> rectsA = {RandomRect(rng), RandomRect(rng), RandomRect(rng)};
        Region a = Region::FromRects(rectsA);
        Region b(RandomRect(rng));
        RegionOperation op = ops[round % 4];
        Region c = a.Combined(b, op);

        Pixels pa = PixelsOf(a), pb = PixelsOf(b), pc = PixelsOf(c);
        for (int y = 0; y < kGrid; ++y) {
            for (int x = 0; x < kGrid; ++x) {
                ASSERT_EQ(pc[y][x], Apply(pa[y][x], pb[y][x], op)) << round << " " << x << "," << y;
            }
        }
        std::vector<RECT> rects = c.Rects();
        for (size_t i = 0; i < rects.size(); ++i) {
            ASSERT_LT(rects[i].left, rects[i].right);
            ASSERT_LT(rects[i].top, rects[i].bottom);
            if (i > 0) {
                const RECT& p = rects[i - 1];
                ASSERT_TRUE(p.top < rects[i].top ||
                            (p.top == rects[i].top && p.right <= rects[i].left));
            }
        }
        EXPECT_EQ(int(c.Complexity()), rects.empty() ? 1 : rects.size() == 1 ? 2 : 3);
        EXPECT_EQ(Region::FromRects(rects), c);
    }
}

TEST(Region, CombiningARegionWithItself) {
    Region r = Region::FromRects(std::vector<RECT>{{0, 0, 4, 4}, {6, 0, 8, 2}});
    EXPECT_EQ(r.Combined(r, RegionOperation::Unite), r);
    EXPECT_TRUE(r.Combined(r, RegionOperation::Subtract).IsEmpty());
    EXPECT_TRUE(r.Combined(r, RegionOperation::Xor).IsEmpty());
}

TEST(Region, OffsetMovesAndStaysInRange) {
    Region r(0, 0, 3, 2);
    r.Offset(10, -5);
    EXPECT_EQ(r.Bounds(), (RECT{10, -5, 13, -3}));
    Region far(0, 0, 1, 1);
    far.Offset(INT32_MAX, INT32_MAX);
    far.Offset(INT32_MAX, INT32_MAX);
    EXPECT_FALSE(far.IsEmpty());
    EXPECT_EQ(Region(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX).Complexity(),
              RegionComplexity::Simple);
}

TEST(Region, CopiesAndMovesAreIndependent) {
    Region a(0, 0, 5, 5);
    Region b = a;
    b.SetRect(1, 1, 2, 2);
    EXPECT_EQ(a, Region(0, 0, 5, 5));
    Region c = std::move(a);
    EXPECT_EQ(c, Region(0, 0, 5, 5));
    EXPECT_TRUE(a.IsEmpty()); // NOLINT: a moved-from region is a valid empty one
    a = c;
    EXPECT_EQ(a, c);
}
