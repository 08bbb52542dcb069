#include "platform/gdi/Gdi.h"
#include "platform/kernel/LastError.h"

#include <gtest/gtest.h>

namespace {

BITMAPINFO Info32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

} // namespace

TEST(GdiBitmaps, DibSectionIsBottomUpAndDescribesItself) {
    size_t before = GdiObjectCount();
    BITMAPINFO info = Info32(3, 2);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_TRUE(dib);
    ASSERT_NE(bits, nullptr);
    BITMAP described{};
    EXPECT_EQ(GetObject(dib, sizeof described, &described), int(sizeof described));
    EXPECT_EQ(described.bmWidth, 3);
    EXPECT_EQ(described.bmHeight, 2);
    EXPECT_EQ(described.bmWidthBytes, 12);
    EXPECT_EQ(described.bmBitsPixel, 32);
    EXPECT_EQ(described.bmBits, bits);
    // The first row in memory is the bottom row of the picture.
    FindBitmap(dib)->pixels.SetPixel(0, 1, 0x112233);
    EXPECT_EQ(static_cast<uint32_t*>(bits)[0], 0x112233u);
    EXPECT_TRUE(DeleteObject(dib));
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(GdiBitmaps, RefusesWhatItDoesNotMake) {
    BITMAPINFO info = Info32(3, 2);
    info.bmiHeader.biBitCount = 24;
    EXPECT_FALSE(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    info = Info32(40000, 40000);
    EXPECT_FALSE(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0));
    info = Info32(0, 5);
    EXPECT_FALSE(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0));
}

TEST(GdiBitmaps, SelectionRulesAndReleaseLeaveNothingBehind) {
    size_t before = GdiObjectCount();
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(first);
    HBITMAP bitmap = CreateCompatibleBitmap(first, 4, 4);
    HBITMAP initial = HBITMAP(SelectObject(first, bitmap));
    EXPECT_TRUE(initial);
    // A bitmap is in one context at a time, and is not deleted while it is.
    EXPECT_FALSE(SelectObject(second, bitmap));
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(HBITMAP(SelectObject(first, initial)), bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(second));
    EXPECT_TRUE(DeleteDC(first));
    EXPECT_EQ(GdiObjectCount(), before);
    // Handles are never reused, so stale ones fail.
    EXPECT_FALSE(DeleteDC(first));
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(GdiBitmaps, BitBltCopiesIntoTheDibSection) {
    HDC screenLike = CreateCompatibleDC(nullptr);
    HBITMAP source = CreateCompatibleBitmap(screenLike, 3, 2);
    Surface& pixels = FindBitmap(source)->pixels;
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            pixels.SetPixel(x, y, uint32_t(0x10 * (y * 3 + x + 1)));
        }
    }
    HGDIOBJ oldSource = SelectObject(screenLike, source);
    HDC memory = CreateCompatibleDC(screenLike);
    BITMAPINFO info = Info32(3, 2);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldDib = SelectObject(memory, dib);
    EXPECT_TRUE(BitBlt(memory, 0, 0, 3, 2, screenLike, 0, 0, SRCCOPY));
    const uint32_t* rows = static_cast<const uint32_t*>(bits);
    EXPECT_EQ(rows[0], 0x40u); // bottom row first
    EXPECT_EQ(rows[5], 0x30u);
    EXPECT_EQ(rows[3], 0x10u);
    // Raster operations without a source need no source context.
    EXPECT_TRUE(BitBlt(memory, 1, 0, 1, 1, nullptr, 0, 0, DSTINVERT));
    EXPECT_EQ(rows[4], 0xFFFFDFu);
    EXPECT_FALSE(BitBlt(memory, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
    SelectObject(memory, oldDib);
    SelectObject(screenLike, oldSource);
    DeleteObject(dib);
    DeleteObject(source);
    DeleteDC(memory);
    DeleteDC(screenLike);
}
