#include "platform/graphics/BmpCodec.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

namespace {

Surface Gradient(int width, int height) {
    Surface s(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            s.SetPixel(x, y, PixelFromRgb(uint8_t(x * 40), uint8_t(y * 60), uint8_t(x + y)));
        }
    }
    return s;
}

// An INFO-header file of an 8-bit image whose pixel data is the given RLE8 stream.
std::vector<uint8_t> Rle8File(int width, int height, std::vector<uint8_t> rle, int colours = 4) {
    std::vector<uint8_t> f = {'B', 'M'};
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            f.push_back(uint8_t(v >> (8 * i)));
        }
    };
    uint32_t offset = 14 + 40 + uint32_t(colours) * 4;
    put32(offset + uint32_t(rle.size()));
    put32(0);
    put32(offset);
    put32(40);
    put32(uint32_t(width));
    put32(uint32_t(height));
    f.insert(f.end(), {1, 0, 8, 0});
    put32(1); // RLE8
    put32(uint32_t(rle.size()));
    put32(0);
    put32(0);
    put32(uint32_t(colours));
    put32(0);
    for (int i = 0; i < colours; ++i) {
        put32(uint32_t(i) * 0x00404040);
    }
    f.insert(f.end(), rle.begin(), rle.end());
    return f;
}

std::string RejectionOf(const std::vector<uint8_t>& file) {
    try {
        DecodeBmp(file);
    } catch (const EInvalidGraphic& e) {
        return e.Message();
    }
    return "decoded";
}

} // namespace

TEST(BmpCodec, WrittenFilesReadBackWithTheirDepth) {
    for (int bits : {24, 32}) {
        for (int width : {1, 2, 3, 5}) { // every row padding
            SCOPED_TRACE(testing::Message() << bits << " bits, width " << width);
            Surface picture = Gradient(width, 3);
            BmpImage read = DecodeBmp(EncodeBmp(picture, bits));
            EXPECT_EQ(read.pixels, picture);
            EXPECT_EQ(read.bitsPerPixel, bits);
        }
    }
}

TEST(BmpCodec, RunLengthCodesPaintRunsLiteralsAndSkips) {
    // Bottom row: 2 x colour 1 and the literal 2 3 1; end of line; a delta of (2, 0) and one
    // pixel of colour 3; end of bitmap.
    auto file = Rle8File(5, 2, {2, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 2, 0, 1, 3, 0, 1});
    Surface image = DecodeBmp(file).pixels;
    const uint32_t c1 = 0x404040, c2 = 0x808080, c3 = 0xC0C0C0;
    const uint32_t bottom[] = {c1, c1, c2, c3, c1};
    const uint32_t top[] = {0, 0, c3, 0, 0}; // skipped pixels stay black
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(image.Pixel(x, 1), bottom[x]) << x;
        EXPECT_EQ(image.Pixel(x, 0), top[x]) << x;
    }
}

TEST(BmpCodec, HostileRunLengthDataIsRejected) {
    struct Case {
        std::vector<uint8_t> rle;
        const char* reason;
    };
    const Case cases[] = {
        {{6, 1, 0, 1}, "past the end of a row"},
        {{0, 0, 0, 0, 0, 0, 1, 1, 0, 1}, "past the last row"},
        {{0, 2, 0, 9, 0, 1}, "delta moves past the image"},
        {{0, 5, 1, 1, 0, 1}, "ends inside a literal run"},
        {{1, 9, 0, 1}, "palette index 9"},
        {{1, 1}, "without an end-of-bitmap code"},
        {{}, "no pixel data"},
    };
    for (const Case& c : cases) {
        std::string message = RejectionOf(Rle8File(4, 2, c.rle));
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    }
}

TEST(BmpCodec, HeadersThatOverflowOrOverreachAreRejected) {
    auto base = EncodeBmp(Gradient(4, 4), 24);
    auto with32 = [&](size_t at, uint32_t v) {
        auto f = base;
        for (int i = 0; i < 4; ++i) {
            f[at + size_t(i)] = uint8_t(v >> (8 * i));
        }
        return f;
    };
    struct Case {
        std::vector<uint8_t> file;
        const char* reason;
    };
    const Case cases[] = {
        {with32(18, 0x80000000u), "width is"},                   // width of INT_MIN
        {with32(22, 0x80000000u), "too large"},                  // height of INT_MIN
        {with32(18, 32768 * 3), "too large"},                    // too wide
        {with32(10, 0xFFFFFFF0u), "pixel data"},                 // pixel offset far away
        {with32(10, 20), "pixel data starts inside the header"}, //
        {with32(30, 7), "unknown compression 7"},                //
        {std::vector<uint8_t>(base.begin(), base.end() - 13), "shorter than its header says"},
        {{'B', 'M', 0, 0}, "too short"},
        {{'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0}, "BM signature"},
    };
    for (const Case& c : cases) {
        std::string message = RejectionOf(c.file);
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    }
}
