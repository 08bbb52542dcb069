#include "kiln/Graphics/WinRegion.h"
#include "platform/window/Window.h"

#include <gtest/gtest.h>

namespace {

// A white bitmap of the size with the given pixels set.
std::unique_ptr<TBitmap> Picture(int width, int height,
                                 std::initializer_list<std::tuple<int, int, TColor>> pixels = {}) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    for (auto [x, y, color] : pixels) {
        bitmap->Canvas()->SetPixels(x, y, color);
    }
    return bitmap;
}

// Whether the region holds exactly the rectangle minus the holes.
bool Holds(const kiln::WinRegion& region, RECT rect, std::initializer_list<RECT> holes = {}) {
    HRGN expected = CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom);
    for (const RECT& hole : holes) {
        HRGN h = CreateRectRgn(hole.left, hole.top, hole.right, hole.bottom);
        CombineRgn(expected, expected, h, RGN_DIFF);
        DeleteObject(h);
    }
    bool equal = EqualRgn(expected, region.Handle());
    DeleteObject(expected);
    return equal;
}

} // namespace

TEST(WinRegion, FromBitmapLeavesOutExactlyThePixelsOfTheColour) {
    kiln::WinRegion region;
    region.FromBitmap(Picture(6, 4).get(), clRed);
    EXPECT_TRUE(Holds(region, {0, 0, 6, 4}));

    region.FromBitmap(Picture(6, 4, {{2, 1, clRed}}).get(), clRed);
    EXPECT_TRUE(Holds(region, {0, 0, 6, 4}, {{2, 1, 3, 2}}));

    // Two runs in one row; the pixels between them stay inside.
    region.FromBitmap(Picture(8, 2, {{1, 0, clRed}, {2, 0, clRed}, {5, 0, clRed}}).get(), clRed);
    EXPECT_TRUE(Holds(region, {0, 0, 8, 2}, {{1, 0, 3, 1}, {5, 0, 6, 1}}));
    EXPECT_TRUE(region.Contains(3, 0));
    EXPECT_FALSE(region.Contains(2, 0));

    // Only the low 24 bits of the colour count, and red is not blue.
    region.FromBitmap(Picture(3, 1, {{0, 0, 0x123456}}).get(), 0xFF123456);
    EXPECT_FALSE(region.Contains(0, 0));
    region.FromBitmap(Picture(3, 1, {{0, 0, clBlue}}).get(), clRed);
    EXPECT_TRUE(region.Contains(0, 0));
}

TEST(WinRegion, AllOfTheColourOrNoPixelsGiveAnEmptyRegion) {
    auto full = Picture(5, 3);
    full->Canvas()->Brush()->SetColor(clLime);
    full->Canvas()->FillRect(TRect(0, 0, 5, 3));
    kiln::WinRegion region;
    region.FromBitmap(full.get(), clLime);
    RECT box;
    EXPECT_EQ(GetRgnBox(region.Handle(), &box), NULLREGION);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_FALSE(region.Contains(x, y));
        }
    }
    for (auto [w, h] : {std::pair{0, 4}, {4, 0}}) {
        region.SetRect(0, 0, 3, 3);
        region.FromBitmap(Picture(w, h).get(), clRed);
        EXPECT_EQ(GetRgnBox(region.Handle(), &box), NULLREGION);
    }
}

TEST(WinRegion, FromBitmapNeitherChangesNorNotifiesTheBitmap) {
    auto bitmap = Picture(4, 4, {{1, 1, clRed}});
    bitmap->SetPixelFormat(pfDevice);
    int changes = 0;
    bitmap->OnChange = [&](TObject*) { ++changes; };
    size_t objects = GdiObjectCount();
    kiln::WinRegion region;
    region.FromBitmap(bitmap.get(), clRed);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(bitmap->PixelFormat(), pfDevice);
    EXPECT_EQ(GdiObjectCount(), objects + 1); // the region's own handle only
}

TEST(WinRegion, RectanglesSubtractionAndCopies) {
    kiln::WinRegion a, b;
    a.SetRect(0, 0, 10, 10);
    b.SetRect(5, 0, 10, 10);
    a.Subtract(b);
    EXPECT_TRUE(Holds(a, {0, 0, 5, 10}));
    EXPECT_TRUE(Holds(b, {5, 0, 10, 10}));
    a.SetRect(10, 10, 0, 0); // corners out of order: empty
    EXPECT_FALSE(a.Contains(5, 5));

    kiln::WinRegion empty;
    size_t objects = GdiObjectCount();
    HRGN copy = empty.Duplicate();
    RECT box;
    EXPECT_EQ(GetRgnBox(copy, &box), NULLREGION);
    EXPECT_TRUE(DeleteObject(copy)); // the caller's to delete
    EXPECT_EQ(GdiObjectCount(), objects);
}

TEST(WinRegion, TheWindowKeepsItsOwnCopy) {
    HWND window = CreateWindowRecord(nullptr, {}, nullptr);
    {
        kiln::WinRegion region;
        region.SetRect(0, 0, 4, 4);
        kiln::SetWindowRegion(window, region, true);
        region.SetRect(0, 0, 1, 1);
    }
    ASSERT_TRUE(FindWindow(window)->GetRegion());
    EXPECT_EQ(*FindWindow(window)->GetRegion(), Region(0, 0, 4, 4));
    DestroyWindowRecord(window);
}

using WinRegionDeathTest = testing::Test;

TEST(WinRegionDeathTest, EachRegionCallIsGuarded) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            SetGdiObjectQuotaForTesting(GdiObjectCount());
            kiln::WinRegion region;
        },
        "^Assertion failed: hrgn != NULL, file .*kiln/Graphics/Source/WinRegion\\.cpp, "
        "line [0-9]+\n");
    EXPECT_DEATH(kiln::WinRegion::Combine(HRGN(0xDEADu), HRGN(0xDEADu), HRGN(0xDEADu), RGN_OR),
                 "^Assertion failed: combineResult != ERROR, file .*kiln/Graphics/WinRegion\\.h, "
                 "line [0-9]+\n");
    EXPECT_DEATH(
        {
            kiln::WinRegion region;
            DeleteObject(region.Handle());
            region.SetRect(0, 0, 1, 1);
        },
        "^Assertion failed: result != 0, file .*kiln/Graphics/WinRegion\\.h, line [0-9]+\n");
}
