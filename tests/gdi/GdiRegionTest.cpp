#include "platform/gdi/Gdi.h"
#include "platform/kernel/LastError.h"
#include "platform/window/Window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

TEST(GdiRegions, CombineReportsTheKindOfResult) {
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(5, 5, 15, 15);
    HRGN far = CreateRectRgn(20, 20, 30, 30);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    struct Case {
        HRGN first, second;
        int mode, result;
    };
    const Case cases[] = {
        {a, b, RGN_AND, SIMPLEREGION},        {a, far, RGN_AND, NULLREGION},
        {a, b, RGN_OR, COMPLEXREGION},        {a, a, RGN_OR, SIMPLEREGION},
        {a, b, RGN_XOR, COMPLEXREGION},       {a, a, RGN_XOR, NULLREGION},
        {a, b, RGN_DIFF, COMPLEXREGION},      {a, a, RGN_DIFF, NULLREGION},
        {b, nullptr, RGN_COPY, SIMPLEREGION}, {a, b, 9, ERROR},
        {a, HRGN(0xDEADu), RGN_OR, ERROR},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CombineRgn(out, c.first, c.second, c.mode), c.result) << c.mode;
    }
    EXPECT_EQ(CombineRgn(a, a, b, RGN_DIFF), COMPLEXREGION); // operands may be the destination
    EXPECT_TRUE(PtInRegion(a, 0, 9));
    EXPECT_FALSE(PtInRegion(a, 7, 7));
    for (HRGN r : {a, b, far, out}) {
        EXPECT_TRUE(DeleteObject(r));
    }
}

TEST(GdiRegions, RectanglesAreOrderedAndHalfOpen) {
    HRGN r = CreateRectRgn(10, 8, 2, 4); // GDI orders the corners
    RECT box;
    EXPECT_EQ(GetRgnBox(r, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{2, 4, 10, 8}));
    EXPECT_TRUE(PtInRegion(r, 2, 4));
    EXPECT_FALSE(PtInRegion(r, 10, 4));
    EXPECT_TRUE(SetRectRgn(r, 0, 0, 0, 5));
    EXPECT_EQ(GetRgnBox(r, &box), NULLREGION);
    EXPECT_EQ(OffsetRgn(r, 3, 3), NULLREGION);
    EXPECT_FALSE(SetRectRgn(HRGN(0xDEADu), 0, 0, 1, 1));
    DeleteObject(r);
}

TEST(GdiRegions, RegionDataRoundTripsThroughTheWin32Layout) {
    HRGN a = CreateRectRgn(0, 0, 4, 2);
    HRGN b = CreateRectRgn(6, 0, 8, 3);
    CombineRgn(a, a, b, RGN_OR);
    DWORD size = GetRegionData(a, 0, nullptr);
    ASSERT_EQ(size, 32u + 3 * 16); // rows 0-1 give two bands of rectangles, row 2 one
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    EXPECT_EQ(GetRegionData(a, size - 1, data), 0u);
    EXPECT_EQ(GetRegionData(a, size, data), size);
    EXPECT_EQ(data->rdh.dwSize, 32u);
    EXPECT_EQ(data->rdh.iType, RDH_RECTANGLES);
    EXPECT_EQ(data->rdh.nCount, 3u);
    EXPECT_EQ(data->rdh.rcBound, (RECT{0, 0, 8, 3}));
    RECT first;
    std::memcpy(&first, data->Buffer, sizeof first);
    EXPECT_EQ(first, (RECT{0, 0, 4, 2}));

    HRGN copy = ExtCreateRegion(nullptr, size, data);
    ASSERT_TRUE(copy);
    EXPECT_TRUE(EqualRgn(copy, a));
    // Too short a buffer, a wrong header or a transform are refused.
    EXPECT_FALSE(ExtCreateRegion(nullptr, size - 16, data));
    data->rdh.dwSize = 40;
    EXPECT_FALSE(ExtCreateRegion(nullptr, size, data));
    data->rdh.dwSize = 32;
    XFORM identity{1, 0, 0, 1, 0, 0};
    EXPECT_FALSE(ExtCreateRegion(&identity, size, data));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    for (HRGN r : {a, b, copy}) {
        DeleteObject(r);
    }
}

TEST(GdiRegions, WindowTakesOverTheRegion) {
    HWND window = CreateWindowRecord(nullptr, {}, nullptr);
    size_t before = GdiObjectCount();
    HRGN shape = CreateRectRgn(0, 0, 5, 5);
    EXPECT_NE(SetWindowRgn(window, shape, TRUE), 0);
    EXPECT_EQ(GdiObjectCount(), before); // the handle is the window's now
    EXPECT_FALSE(DeleteObject(shape));
    ASSERT_TRUE(FindWindow(window)->GetRegion());
    EXPECT_EQ(*FindWindow(window)->GetRegion(), Region(0, 0, 5, 5));

    HRGN readBack = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, readBack), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(readBack, 4, 4));
    EXPECT_NE(SetWindowRgn(window, nullptr, FALSE), 0);
    EXPECT_FALSE(FindWindow(window)->GetRegion());
    EXPECT_EQ(GetWindowRgn(window, readBack), ERROR);
    EXPECT_EQ(SetWindowRgn(window, HRGN(0xDEADu), FALSE), 0);
    EXPECT_EQ(SetWindowRgn(HWND(0xDEADu), readBack, FALSE), 0);
    DeleteObject(readBack);
    DestroyWindowRecord(window);
}
