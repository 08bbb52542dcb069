#include "platform/core/Exception.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/TBitmap.h"
#include "tests/SkipOrFail.h"
#include "tests/graphics/ImageMagick.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::filesystem::path TempFile(const char* name) {
    return std::filesystem::temp_directory_path() / name;
}

struct ChangeCounter {
    explicit ChangeCounter(TBitmap& bitmap) {
        bitmap.OnChange = [this](TObject*) { ++count; };
    }
    int count = 0;
};

} // namespace

TEST(Bitmap, HandleExistsOnlyWithAnImage) {
    TBitmap bitmap;
    EXPECT_FALSE(bitmap.Handle());
    bitmap.SetWidth(10); // the width is kept while the height is still 0
    EXPECT_FALSE(bitmap.Handle());
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetHeight(4);
    ASSERT_TRUE(bitmap.Handle());
    BITMAP info;
    GetObject(bitmap.Handle(), sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 10);
    EXPECT_EQ(info.bmHeight, 4);
    bitmap.SetHeight(0);
    EXPECT_FALSE(bitmap.Handle());
}

TEST(Bitmap, OnChangeFollowsTheClassLibrary) {
    TBitmap bitmap, other;
    other.SetSize(2, 2);
    ChangeCounter changes(bitmap);
    bitmap.SetSize(3, 3);                         // 1
    bitmap.SetSize(3, 3);                         // unchanged
    bitmap.SetPixelFormat(pf24bit);               // 2
    bitmap.SetPixelFormat(pf24bit);               // unchanged
    bitmap.Canvas()->FillRect(TRect(0, 0, 1, 1)); // 3
    bitmap.SetTransparent(true);                  // 4
    bitmap.SetTransparentColor(clRed);            // 5
    bitmap.SetTransparentMode(tmAuto);            // 6
    bitmap.Assign(&other);                        // 7
    (void)bitmap.Handle();                        // reading the handle changes nothing
    std::stringstream file;
    other.SaveToStream(file);
    bitmap.LoadFromStream(file); // 8
    EXPECT_EQ(changes.count, 8);
}

TEST(Bitmap, ResizingKeepsPixelsAndWhitensTheRest) {
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    bitmap.Canvas()->SetPixels(1, 1, clRed);
    bitmap.SetSize(4, 3);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 2), clWhite);
    bitmap.SetSize(1, 1);
    bitmap.SetSize(2, 2);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clWhite);
}

TEST(Bitmap, AssignMakesAnIndependentCopy) {
    TBitmap a, b;
    a.SetSize(3, 2);
    a.SetPixelFormat(pf32bit);
    a.SetTransparentColor(clLime);
    a.Canvas()->SetPixels(0, 0, clBlue);
    b.Assign(&a);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.PixelFormat(), pf32bit);
    EXPECT_EQ(b.TransparentColor(), clLime);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlue);
    a.Canvas()->SetPixels(0, 0, clRed);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlue);
    EXPECT_NE(a.Handle(), b.Handle());
    b.Assign(nullptr);
    EXPECT_TRUE(b.Empty());
    TFont font;
    EXPECT_THROW(b.Assign(&font), EConvertError);
}

TEST(Bitmap, TransparentColorComesFromTheBottomLeftPixelInAutoMode) {
    TBitmap bitmap;
    bitmap.SetSize(3, 3);
    bitmap.Canvas()->SetPixels(0, 2, clFuchsia);
    EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
    bitmap.SetTransparentMode(tmFixed); // fixes the colour it had
    bitmap.Canvas()->SetPixels(0, 2, clLime);
    EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
    bitmap.SetTransparentColor(clBtnFace);
    EXPECT_EQ(bitmap.TransparentColor(), ColorToRGB(clBtnFace));
}

TEST(Bitmap, ReleaseHandleHandsTheImageOverAndSetHandleTakesOneIn) {
    size_t before = GdiObjectCount();
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    bitmap.Canvas()->SetPixels(0, 0, clRed);
    HBITMAP handle = bitmap.ReleaseHandle();
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_FALSE(bitmap.Handle());
    {
        TBitmap other;
        other.SetHandle(handle);
        EXPECT_EQ(other.Width(), 2);
        EXPECT_EQ(other.Canvas()->Pixels(0, 0), clRed);
        EXPECT_EQ(other.ReleaseHandle(), handle);
    }
    EXPECT_TRUE(DeleteObject(handle));
    TBitmap adopter;
    EXPECT_THROW(adopter.SetHandle(HBITMAP(0xDEADu)), EInvalidGraphicOperation);
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(Bitmap, ItsHandleWorksWithGdiCalls) {
    TBitmap bitmap;
    bitmap.SetSize(4, 4);
    bitmap.Canvas()->Brush()->SetColor(clBlue);
    bitmap.Canvas()->FillRect(TRect(0, 0, 4, 4));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap.Handle());
    HDC copy = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateCompatibleBitmap(copy, 4, 4);
    HGDIOBJ oldTarget = SelectObject(copy, target);
    EXPECT_TRUE(BitBlt(copy, 0, 0, 4, 4, dc, 0, 0, SRCCOPY));
    EXPECT_EQ(FindBitmap(target)->pixels.Pixel(3, 3), PixelFromColorRef(clBlue));
    // Text drawn through the canvas's handle lands in the bitmap.
    SetBkMode(bitmap.Canvas()->Handle(), OPAQUE);
    SetBkColor(bitmap.Canvas()->Handle(), clRed);
    RECT area{0, 0, 4, 4};
    DrawText(bitmap.Canvas()->Handle(), "W", -1, &area, DT_SINGLELINE);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
    SelectObject(copy, oldTarget);
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(copy);
    DeleteDC(dc);
}

TEST(Bitmap, FilesRoundTripAtTheirDepth) {
    for (TPixelFormat format : {pf24bit, pf32bit}) {
        TBitmap bitmap;
        bitmap.SetPixelFormat(format);
        bitmap.SetSize(5, 3);
        bitmap.Canvas()->SetPixels(4, 0, clRed);
        bitmap.Canvas()->SetPixels(0, 2, clLime);
        auto path = TempFile("hushwave-bitmap-test.bmp");
        bitmap.SaveToFile(path.string());
        TBitmap read;
        read.LoadFromFile(path.string());
        EXPECT_EQ(read.PixelFormat(), format);
        EXPECT_EQ(read.Canvas()->Pixels(4, 0), clRed);
        EXPECT_EQ(read.Canvas()->Pixels(0, 2), clLime);
        if (ImageMagickAvailable()) {
            auto reference = DecodeWithImageMagick(path.string());
            ASSERT_TRUE(reference);
            EXPECT_EQ(reference->Pixel(4, 0), 0xFF0000u);
        } else {
            EXPECT_FALSE(RunningUnderCi()) << "ImageMagick is not installed";
        }
        std::filesystem::remove(path);
    }
}

TEST(Bitmap, LoadingFailuresLeaveTheBitmapAsItWas) {
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    try {
        bitmap.LoadFromFile("RES\\no-such-file.bmp");
        ADD_FAILURE();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message().rfind("Cannot open file \"RES\\no-such-file.bmp\".", 0), 0u)
            << e.Message();
    }
    auto path = TempFile("hushwave-not-a-bitmap.bmp");
    std::ofstream(path) << "BMnot really";
    EXPECT_THROW(bitmap.LoadFromFile(path.string()), EInvalidGraphic);
    std::filesystem::remove(path);
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_TRUE(bitmap.Handle());
}

TEST(Bitmap, PathsWithBackslashesAreFound) {
    auto folder = std::filesystem::temp_directory_path() / "hushwave-res-test";
    std::filesystem::create_directories(folder);
    TBitmap bitmap;
    bitmap.SetSize(1, 1);
    bitmap.SaveToFile(folder.string() + "\\bar_00.bmp");
    EXPECT_TRUE(std::filesystem::exists(folder / "bar_00.bmp"));
    TBitmap read;
    read.LoadFromFile(folder.string() + "\\bar_00.bmp");
    EXPECT_EQ(read.Width(), 1);
    std::filesystem::remove_all(folder);
}
