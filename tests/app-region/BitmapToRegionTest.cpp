#include "app/BitmapToRegion.h"
#include "platform/graphics/TBitmap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A bitmap of the size in the colour, with the given pixels in other colours.
std::unique_ptr<TBitmap> Picture(int width, int height, TColor background,
                                 std::vector<std::tuple<int, int, TColor>> pixels = {}) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    bitmap->Canvas()->Brush()->SetColor(background);
    bitmap->Canvas()->FillRect(TRect(0, 0, width, height));
    for (auto [x, y, color] : pixels) {
        bitmap->Canvas()->SetPixels(x, y, color);
    }
    return bitmap;
}

bool SameAsRect(HRGN region, int width, int height) {
    HRGN rect = CreateRectRgn(0, 0, width, height);
    bool same = EqualRgn(region, rect);
    DeleteObject(rect);
    return same;
}

} // namespace

TEST(BitmapToRegion, NullBitmapGivesNull) {
    EXPECT_FALSE(BitmapToRegion(nullptr, 0, 0));
}

TEST(BitmapToRegion, NoTransparentPixelGivesTheWholeRectangle) {
    for (TPixelFormat format : {pfDevice, pf24bit, pf32bit}) {
        auto bitmap = Picture(7, 5, clRed);
        bitmap->SetPixelFormat(format);
        size_t objects = GdiObjectCount();
        HRGN region = BitmapToRegion(bitmap->Handle(), RGB(0, 255, 0), 0);
        ASSERT_TRUE(region);
        EXPECT_TRUE(SameAsRect(region, 7, 5));
        EXPECT_EQ(GdiObjectCount(), objects + 1); // only the result is left
        DeleteObject(region);
    }
}

TEST(BitmapToRegion, AllTransparentGivesAnEmptyRegionNotNull) {
    auto bitmap = Picture(6, 3, clFuchsia);
    HRGN region = BitmapToRegion(bitmap->Handle(), RGB(255, 0, 255), 0);
    ASSERT_TRUE(region);
    RECT box;
    EXPECT_EQ(GetRgnBox(region, &box), NULLREGION);
    DeleteObject(region);
}

TEST(BitmapToRegion, HoleInTheFirstRowStaysInTheFirstRow) {
    for (TPixelFormat format : {pfDevice, pf24bit, pf32bit}) {
        auto bitmap = Picture(5, 4, clRed, {{2, 0, clFuchsia}});
        bitmap->SetPixelFormat(format);
        HRGN region = BitmapToRegion(bitmap->Handle(), RGB(255, 0, 255), 0);
        ASSERT_TRUE(region);
        HRGN expected = CreateRectRgn(0, 0, 5, 4);
        HRGN hole = CreateRectRgn(2, 0, 3, 1);
        CombineRgn(expected, expected, hole, RGN_DIFF);
        EXPECT_TRUE(EqualRgn(region, expected)) << "format " << static_cast<int>(format);
        EXPECT_FALSE(PtInRegion(region, 2, 0));
        EXPECT_TRUE(PtInRegion(region, 2, 3));
        DeleteObject(hole);
        DeleteObject(expected);
        DeleteObject(region);
    }
}

TEST(BitmapToRegion, ToleranceWidensEachChannelUpToTheTop) {
    struct Case {
        COLORREF pixel, key, tolerance;
        bool transparent;
    };
    const Case cases[] = {
        {RGB(10, 20, 30), RGB(10, 20, 30), 0, true},
        {RGB(11, 20, 30), RGB(10, 20, 30), 0, false},
        {RGB(26, 36, 46), RGB(10, 20, 30), RGB(16, 16, 16), true},
        {RGB(27, 20, 30), RGB(10, 20, 30), RGB(16, 16, 16), false},
        {RGB(9, 20, 30), RGB(10, 20, 30), RGB(16, 16, 16), false}, // only upwards
        {RGB(255, 0, 0), RGB(250, 0, 0), RGB(16, 0, 0), true},     // capped at 255
        {RGB(0, 0, 255), RGB(255, 0, 0), 0, false},                // red and blue not swapped
        {RGB(255, 0, 0), RGB(255, 0, 0), 0, true},
    };
    for (const Case& c : cases) {
        auto bitmap = Picture(3, 1, clWhite, {{1, 0, c.pixel}});
        HRGN region = BitmapToRegion(bitmap->Handle(), c.key, c.tolerance);
        ASSERT_TRUE(region);
        EXPECT_EQ(PtInRegion(region, 1, 0) == FALSE, c.transparent) << std::hex << c.pixel;
        EXPECT_TRUE(PtInRegion(region, 0, 0));
        DeleteObject(region);
    }
}

TEST(BitmapToRegion, ManyRunsMergeToTheSameRegionAsOnePiece) {
    // Every other pixel transparent: 2050 runs a row, so pieces end mid-row.
    const int width = 4100, height = 3;
    auto bitmap = Picture(width, height, clBlack);
    std::vector<RECT> rects;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; x += 2) {
            bitmap->PixelRow(y)[x + 1] = 0xFFFFFF;
            rects.push_back({x, y, x + 1, y + 1});
        }
    }
    std::vector<char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* rgn = reinterpret_cast<RGNDATA*>(data.data());
    rgn->rdh = {
        sizeof(RGNDATAHEADER), RDH_RECTANGLES, DWORD(rects.size()), 0, {0, 0, width, height}};
    std::memcpy(rgn->Buffer, rects.data(), rects.size() * sizeof(RECT));
    HRGN onePiece = ExtCreateRegion(nullptr, DWORD(data.size()), rgn);

    HRGN region = BitmapToRegion(bitmap->Handle(), RGB(255, 255, 255), 0);
    ASSERT_TRUE(region);
    EXPECT_TRUE(EqualRgn(region, onePiece));
    DeleteObject(region);
    DeleteObject(onePiece);
}

TEST(BitmapToRegion, EachFailingResourceGivesNullAndLeavesNothing) {
    auto bitmap = Picture(4, 4, clRed);
    const size_t objects = GdiObjectCount();
    // Room for none, one and two of the three working objects (two contexts, one DIB).
    for (size_t room = 0; room < 3; ++room) {
        SetGdiObjectQuotaForTesting(objects + room);
        EXPECT_FALSE(BitmapToRegion(bitmap->Handle(), RGB(0, 0, 0), 0)) << room;
        EXPECT_EQ(GdiObjectCount(), objects) << room;
    }
    SetGdiObjectQuotaForTesting(kDefaultGdiObjectQuota);
    HRGN region = BitmapToRegion(bitmap->Handle(), RGB(0, 0, 0), 0);
    EXPECT_TRUE(region);
    DeleteObject(region);
}
