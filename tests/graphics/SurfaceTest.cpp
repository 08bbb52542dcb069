#include "platform/graphics/Surface.h"
#include "platform/graphics/PngWriter.h"
#include "tests/SkipOrFail.h"
#include "tests/graphics/ImageMagick.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <utility>

TEST(Surface, PixelsAreRedGreenBlueFromTheHighByteDownAndBlueFirstInMemory) {
    Surface s(2, 1);
    s.SetPixel(0, 0, PixelFromColorRef(0x00332211)); // red 0x11, green 0x22, blue 0x33
    EXPECT_EQ(s.Pixel(0, 0), 0x00112233u);
    uint8_t bytes[4];
    std::memcpy(bytes, s.Bits(), 4);
    EXPECT_EQ(bytes[0], 0x33); // blue
    EXPECT_EQ(bytes[1], 0x22);
    EXPECT_EQ(bytes[2], 0x11); // red
    EXPECT_EQ(ColorRefFromPixel(s.Pixel(0, 0)), 0x00332211u);
}

TEST(Surface, BottomUpSurfaceKeepsTheTopRowLastInMemory) {
    Surface s(3, 2, RowOrder::BottomUp);
    s.SetPixel(1, 0, 0xABCDEF);
    EXPECT_EQ(s.Bits()[3 + 1], 0xABCDEFu);
    Surface top(3, 2);
    top.SetPixel(1, 0, 0xABCDEF);
    EXPECT_EQ(s, top);
}

TEST(Surface, RefusesSizesBeyondTheBounds) {
    EXPECT_TRUE(Surface::IsAcceptableSize(8192, 8192));
    EXPECT_FALSE(Surface::IsAcceptableSize(32769, 1));
    EXPECT_FALSE(Surface::IsAcceptableSize(32768, 32768));
    EXPECT_FALSE(Surface::IsAcceptableSize(-1, 5));
    EXPECT_THROW(Surface(40000, 1), std::length_error);
}

TEST(Surface, VersionNamesThePixelsUntilAnAccessThatMayWrite) {
    Surface s(3, 2);
    const uint64_t first = s.Version();
    EXPECT_NE(first, 0u);
    EXPECT_EQ(s.Version(), first);
    EXPECT_EQ(std::as_const(s).Row(1)[0], 0u);
    EXPECT_EQ(s.Pixel(2, 1), 0u);
    EXPECT_EQ(s.Version(), first); // reading leaves the name

    Surface copy = s;
    EXPECT_EQ(copy.Version(), first); // same pixels, same name
    copy.SetPixel(0, 0, 1);
    const uint64_t changed = copy.Version();
    EXPECT_NE(changed, first);
    EXPECT_EQ(s.Version(), first);
    s.Row(0);
    EXPECT_NE(s.Version(), first);
    EXPECT_NE(s.Version(), changed);
    uint64_t before = s.Version();
    s.Fill(7);
    EXPECT_NE(s.Version(), before);

    Surface moved = std::move(copy);
    EXPECT_EQ(moved.Version(), changed);
    EXPECT_NE(copy.Version(), changed); // NOLINT(bugprone-use-after-move): the name went along

    s.Bits(); // writable pixels handed out: no name from now on
    EXPECT_EQ(s.Version(), 0u);
}

TEST(PngWriter, ImageMagickReadsBackTheSamePixels) {
    if (!ImageMagickAvailable()) {
        SKIP_OR_FAIL("ImageMagick is not installed");
    }
    Surface s(300, 260);
    for (int y = 0; y < s.Height(); ++y) {
        for (int x = 0; x < s.Width(); ++x) {
            s.SetPixel(x, y, PixelFromRgb(uint8_t(x), uint8_t(y), uint8_t(x ^ y)));
        }
    }
    auto path = std::filesystem::temp_directory_path() / "hushwave-surface-test.png";
    SavePng(s, path.string());
    auto decoded = DecodeWithImageMagick(path.string());
    std::filesystem::remove(path);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, s);
}

TEST(PngWriter, CompressesAFlatPicture) {
    Surface s(490, 218);
    s.Fill(PixelFromRgb(0x20, 0x40, 0x60));
    EXPECT_LT(EncodePng(s).size(), 2000u) << "320 KB of pixels";
}

TEST(PngWriter, RefusesAnEmptySurfaceWithLibpngsReason) {
    try {
        EncodePng(Surface());
        FAIL() << "an empty surface was encoded";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("cannot encode PNG: "), std::string::npos);
        EXPECT_GT(std::string(e.what()).size(), std::string("cannot encode PNG: ").size());
    }
}
