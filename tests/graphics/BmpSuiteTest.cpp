// The BMP Suite: every good file decodes as an independent decoder reads it, files that differ
// only in encoding give the same pixels, every bad file is rejected with the reason it is bad,
// and every questionable file is read or rejected cleanly.
#include "platform/core/Exception.h"
#include "platform/graphics/BmpCodec.h"
#include "tests/SkipOrFail.h"
#include "tests/graphics/ImageMagick.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace {

const std::filesystem::path kSuite = HUSHWAVE_BMPSUITE_DIR;

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::filesystem::path> FilesIn(const char* folder) {
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(kSuite / folder)) {
        for (const auto& entry : std::filesystem::directory_iterator(kSuite / folder)) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Channels of fewer than 8 bits are scaled to 0..255 by rounding here and by bit replication
// in ImageMagick; the two never differ by more than one step.
int LargestChannelDifference(const Surface& a, const Surface& b) {
    int largest = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            for (int shift = 0; shift < 24; shift += 8) {
                int d = std::abs(int((a.Pixel(x, y) >> shift) & 0xFF) -
                                 int((b.Pixel(x, y) >> shift) & 0xFF));
                largest = std::max(largest, d);
            }
        }
    }
    return largest;
}

class BmpSuite : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::is_directory(kSuite)) {
            SKIP_OR_FAIL("no BMP Suite at " << kSuite);
        }
    }
};

} // namespace

TEST_F(BmpSuite, GoodFilesDecodeAsImageMagickReadsThem) {
    if (!ImageMagickAvailable()) {
        SKIP_OR_FAIL("ImageMagick is not installed");
    }
    auto files = FilesIn("g");
    ASSERT_FALSE(files.empty());
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        BmpImage image = DecodeBmp(ReadFile(file));
        auto reference = DecodeWithImageMagick(file.string());
        ASSERT_TRUE(reference);
        ASSERT_EQ(image.pixels.Width(), reference->Width());
        ASSERT_EQ(image.pixels.Height(), reference->Height());
        int tolerance = image.bitsPerPixel == 16 ? 1 : 0;
        EXPECT_LE(LargestChannelDifference(image.pixels, *reference), tolerance);
    }
}

TEST_F(BmpSuite, EncodingsOfOnePictureGiveTheSamePixels) {
    const std::vector<std::vector<const char*>> groups = {
        {"pal1.bmp", "pal1wb.bmp"},
        {"pal4.bmp", "pal4rle.bmp"},
        {"pal8.bmp", "pal8-0.bmp", "pal8os2.bmp", "pal8rle.bmp", "pal8topdown.bmp", "pal8v4.bmp",
         "pal8v5.bmp"},
        {"rgb16.bmp", "rgb16bfdef.bmp"},
        {"rgb16-565.bmp", "rgb16-565pal.bmp"},
        {"rgb24.bmp", "rgb24pal.bmp", "rgb32.bmp", "rgb32bf.bmp", "rgb32bfdef.bmp"},
    };
    for (const auto& group : groups) {
        Surface first = DecodeBmp(ReadFile(kSuite / "g" / group[0])).pixels;
        for (const char* name : group) {
            SCOPED_TRACE(name);
            EXPECT_EQ(DecodeBmp(ReadFile(kSuite / "g" / name)).pixels, first);
        }
    }
}

TEST_F(BmpSuite, BadFilesAreRejectedWithTheirFault) {
    const std::map<std::string, std::string> reasons = {
        {"badbitcount.bmp", "bit depth of 30000"},
        {"badbitssize.bmp", "image size field"},
        {"baddens1.bmp", "pixel density"},
        {"baddens2.bmp", "pixel density"},
        {"badfilesize.bmp", "shorter than its header says"},
        {"badheadersize.bmp", "unknown header size 66"},
        {"badpalettesize.bmp", "palette of 305402420 colours"},
        {"badplanes.bmp", "plane count"},
        {"badrle.bmp", "past the end of a row"},
        {"badrle4.bmp", "past the end of a row"},
        {"badrle4bis.bmp", "delta moves past the image"},
        {"badrle4ter.bmp", "delta moves past the image"},
        {"badrlebis.bmp", "delta moves past the image"},
        {"badrleter.bmp", "delta moves past the image"},
        {"badwidth.bmp", "width is -127"},
        {"pal8badindex.bmp", "palette index 103"},
        {"reallybig.bmp", "shorter than its header says"},
        {"rgb16-880.bmp", "blue bit mask is empty"},
        {"rletopdown.bmp", "cannot be stored top-down"},
        {"shortfile.bmp", "shorter than its header says"},
    };
    auto files = FilesIn("b");
    ASSERT_FALSE(files.empty());
    for (const auto& file : files) {
        std::string name = file.filename().string();
        SCOPED_TRACE(name);
        try {
            DecodeBmp(ReadFile(file));
            ADD_FAILURE() << "decoded";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message().rfind("Bitmap image is not valid: ", 0), 0u) << e.Message();
            ASSERT_TRUE(reasons.count(name)) << e.Message();
            EXPECT_NE(e.Message().find(reasons.at(name)), std::string::npos) << e.Message();
        }
    }
}

TEST_F(BmpSuite, QuestionableFilesAreReadOrRejectedCleanly) {
    auto files = FilesIn("q");
    ASSERT_FALSE(files.empty());
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        try {
            BmpImage image = DecodeBmp(ReadFile(file));
            EXPECT_GT(image.pixels.Width(), 0);
        } catch (const EInvalidGraphic&) {
        }
    }
}

// Questionable files that show the picture of a good one in another encoding.
TEST_F(BmpSuite, QuestionableEncodingsOfAGoodPictureGiveItsPixels) {
    const std::map<std::string, std::string> sameAs = {
        {"pal8offs.bmp", "pal8.bmp"},        {"pal8oversizepal.bmp", "pal8.bmp"},
        {"pal8os2-hs.bmp", "pal8.bmp"},      {"pal8os2-sz.bmp", "pal8.bmp"},
        {"pal8os2sp.bmp", "pal8.bmp"},       {"pal8os2v2.bmp", "pal8.bmp"},
        {"pal8os2v2-16.bmp", "pal8.bmp"},    {"pal8os2v2-40sz.bmp", "pal8.bmp"},
        {"pal8os2v2-sz.bmp", "pal8.bmp"},    {"rgb24largepal.bmp", "rgb24.bmp"},
        {"rgb32-xbgr.bmp", "rgb24.bmp"},     {"rgb32h52.bmp", "rgb24.bmp"},
        {"rgb32fakealpha.bmp", "rgb24.bmp"}, {"rgb16faketrns.bmp", "rgb16.bmp"},
    };
    for (const auto& [questionable, good] : sameAs) {
        SCOPED_TRACE(questionable);
        try {
            EXPECT_EQ(DecodeBmp(ReadFile(kSuite / "q" / questionable)).pixels,
                      DecodeBmp(ReadFile(kSuite / "g" / good)).pixels);
        } catch (const EInvalidGraphic& e) {
            ADD_FAILURE() << e.Message();
        }
    }
}

// A file cut anywhere before its end is short of something its headers promise.
TEST_F(BmpSuite, EveryStrictPrefixOfAGoodFileIsRejected) {
    for (const char* name :
         {"g/pal4rle.bmp", "g/pal8os2.bmp", "g/rgb16-565pal.bmp", "g/pal8v5.bmp", "g/rgb24.bmp"}) {
        SCOPED_TRACE(name);
        std::vector<uint8_t> whole = ReadFile(kSuite / name);
        ASSERT_FALSE(whole.empty());
        EXPECT_NO_THROW(DecodeBmp(std::span(whole.data(), whole.size())));
        int accepted = 0;
        for (size_t length = 0; length < whole.size(); ++length) {
            try {
                DecodeBmp(std::span(whole.data(), length));
                if (++accepted <= 3) {
                    ADD_FAILURE() << "the first " << length << " bytes decoded";
                }
            } catch (const EInvalidGraphic&) {
            }
        }
        EXPECT_EQ(accepted, 0);
    }
}
