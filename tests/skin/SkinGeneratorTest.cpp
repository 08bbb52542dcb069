// Runs the skin generator into a fresh folder and checks what the main window relies on: the
// pictures' names and sizes, the outline rule of the background, and that the pictures the
// window draws over the background fit it without a seam; and the desktop icons beside them.

#include "platform/graphics/BmpCodec.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <queue>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Rect {
    int left, top, width, height;
};

constexpr Rect kArcBox{49, 59, 296, 88};
constexpr Rect kVoltBar{173, 177, 79, 10};
constexpr Rect kFreqLabel{32, 152, 108, 13};
constexpr Rect kVoltLabel{77, 176, 83, 13};
constexpr Rect kMinButton{331, 26, 16, 16};
constexpr Rect kCloseButton{354, 44, 16, 16};

Rect FreqDigit(int i) {
    return {170 + 24 * i, 114, 22, 27};
}
Rect VoltDigit(int i) {
    return {262 + 10 * i, 176, 9, 12};
}

std::string FrameName(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "bar_%02d.bmp", i);
    return name;
}

class SkinGeneratorTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = fs::temp_directory_path() /
                   ("hushwave-skin-test-" + std::to_string(std::random_device{}()));
        fs::remove_all(s_folder);
        const std::string command = std::string(HUSHWAVE_SKIN_GENERATOR) + " '" +
                                    s_folder.string() + "' --icons '" + IconFolder().string() + "'";
        s_exitCode = std::system(command.c_str());
        if (s_exitCode != 0) {
            return;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(s_folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
            s_pictures.emplace(entry.path().filename().string(), DecodeBmp(bytes));
        }
    }
    static void TearDownTestSuite() {
        fs::remove_all(s_folder);
        fs::remove_all(IconFolder());
        s_pictures.clear();
    }

    void SetUp() override { ASSERT_EQ(s_exitCode, 0) << "the generator failed"; }

    static const Surface& Picture(const std::string& name) {
        const auto found = s_pictures.find(name);
        if (found == s_pictures.end()) {
            ADD_FAILURE() << name << " was not written";
            static const Surface none;
            return none;
        }
        return found->second.pixels;
    }

    static fs::path IconFolder() { return s_folder.string() + "-icons"; }

    static inline fs::path s_folder;
    static inline int s_exitCode = -1;
    static inline std::map<std::string, BmpImage> s_pictures;
};

TEST_F(SkinGeneratorTest, WritesEveryPictureAs24BitBmpOfItsSize) {
    struct Expected {
        std::string name;
        int width, height;
    };
    std::vector<Expected> expected = {
        {"background.bmp", 385, 215}, {"digits_large.bmp", 264, 27}, {"digits_medium.bmp", 108, 12},
        {"volt_bar.bmp", 1659, 10},   {"tray_icons.bmp", 32, 16},
    };
    for (int i = 0; i <= 20; ++i) {
        expected.push_back({FrameName(i), 296, 88});
    }
    for (const char* button : {"min", "close"}) {
        for (const char* look : {"", "_up", "_over", "_down"}) {
            expected.push_back({std::string(button) + look + ".bmp", 16, 16});
        }
    }
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        const auto found = s_pictures.find(e.name);
        ASSERT_NE(found, s_pictures.end());
        EXPECT_EQ(found->second.bitsPerPixel, 24);
        EXPECT_EQ(found->second.pixels.Width(), e.width);
        EXPECT_EQ(found->second.pixels.Height(), e.height);
    }
    EXPECT_EQ(s_pictures.size(), expected.size());
}

// The window keeps every pixel that is not of the top-left pixel's colour. That colour must
// therefore reach in only from the picture's edge, cover none of the places the window draws
// on, and cut some of the rectangle away.
TEST_F(SkinGeneratorTest, BackgroundOutlineIsCutByItsTopLeftColourFromTheEdgeOnly) {
    const Surface& face = Picture("background.bmp");
    const uint32_t cutAway = face.Pixel(0, 0);

    std::vector<bool> reached(size_t(face.Width() * face.Height()));
    std::queue<std::pair<int, int>> open;
    const auto visit = [&](int x, int y) {
        if (face.Contains(x, y) && face.Pixel(x, y) == cutAway &&
            !reached[size_t(y * face.Width() + x)]) {
            reached[size_t(y * face.Width() + x)] = true;
            open.push({x, y});
        }
    };
    for (int x = 0; x < face.Width(); ++x) {
        visit(x, 0);
        visit(x, face.Height() - 1);
    }
    for (int y = 0; y < face.Height(); ++y) {
        visit(0, y);
        visit(face.Width() - 1, y);
    }
    while (!open.empty()) {
        const auto [x, y] = open.front();
        open.pop();
        visit(x + 1, y);
        visit(x - 1, y);
        visit(x, y + 1);
        visit(x, y - 1);
    }

    int cutPixels = 0, left = face.Width(), right = -1, top = face.Height(), bottom = -1;
    for (int y = 0; y < face.Height(); ++y) {
        for (int x = 0; x < face.Width(); ++x) {
            if (face.Pixel(x, y) != cutAway) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
                continue;
            }
            ++cutPixels;
            EXPECT_TRUE(reached[size_t(y * face.Width() + x)])
                << "the cut-away colour appears inside the face at " << x << ", " << y;
        }
    }
    // Some of the face's own bounding rectangle is cut away: the outline is not a rectangle.
    int cutInsideBounds = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            cutInsideBounds += face.Pixel(x, y) == cutAway;
        }
    }
    EXPECT_GT(cutPixels, 0);
    EXPECT_GT(cutInsideBounds, 0);

    std::vector<Rect> places = {kArcBox,    kVoltBar,   kFreqLabel,
                                kVoltLabel, kMinButton, kCloseButton};
    for (int i = 0; i < 7; ++i) {
        places.push_back(FreqDigit(i));
    }
    for (int i = 0; i < 6; ++i) {
        places.push_back(VoltDigit(i));
    }
    for (const Rect& r : places) {
        for (int y = r.top; y < r.top + r.height; ++y) {
            for (int x = r.left; x < r.left + r.width; ++x) {
                ASSERT_NE(face.Pixel(x, y), cutAway)
                    << "window part cut away at " << x << ", " << y;
            }
        }
    }
}

// The window draws a frame with its bottom-left pixel's colour left out, every 10 ms, over
// the digits; the digit places must be of exactly that colour in every frame, or the frames
// would paint over the digits.
TEST_F(SkinGeneratorTest, ArcFramesLightMoreWithEachFrameAndLeaveTheDigitsAlone) {
    const Surface& face = Picture("background.bmp");
    const Surface& first = Picture(FrameName(0));
    for (int y = 0; y < kArcBox.height; ++y) {
        for (int x = 0; x < kArcBox.width; ++x) {
            ASSERT_EQ(first.Pixel(x, y), face.Pixel(kArcBox.left + x, kArcBox.top + y))
                << "frame 0 differs from the face at " << x << ", " << y;
        }
    }
    int previousLit = -1;
    for (int i = 0; i <= 20; ++i) {
        SCOPED_TRACE(FrameName(i));
        const Surface& frame = Picture(FrameName(i));
        const uint32_t transparent = frame.Pixel(0, frame.Height() - 1);
        for (int d = 0; d < 7; ++d) {
            const Rect cell = FreqDigit(d);
            for (int y = cell.top; y < cell.top + cell.height; ++y) {
                for (int x = cell.left; x < cell.left + cell.width; ++x) {
                    ASSERT_EQ(frame.Pixel(x - kArcBox.left, y - kArcBox.top), transparent)
                        << "digit " << d << " covered at " << x << ", " << y;
                }
            }
        }
        int lit = 0;
        for (int y = 0; y < frame.Height(); ++y) {
            for (int x = 0; x < frame.Width(); ++x) {
                lit += frame.Pixel(x, y) != first.Pixel(x, y);
            }
        }
        EXPECT_GT(lit, previousLit);
        previousLit = lit;
    }
}

// Digits, the voltage bar and the buttons are opaque pictures on top of the face: their ground
// must be the face's colour around them.
TEST_F(SkinGeneratorTest, OpaquePicturesShareTheGroundOfTheFaceAroundThem) {
    const Surface& face = Picture("background.bmp");
    const Surface& large = Picture("digits_large.bmp");
    const Surface& medium = Picture("digits_medium.bmp");
    const Surface& bar = Picture("volt_bar.bmp");
    const uint32_t arcGlass = Picture(FrameName(0)).Pixel(0, kArcBox.height - 1);
    for (int image = 0; image < 12; ++image) {
        SCOPED_TRACE(image);
        EXPECT_EQ(large.Pixel(image * 22, 0), arcGlass);
        EXPECT_EQ(large.Pixel(image * 22 + 21, 26), arcGlass);
        const Rect volt = VoltDigit(0);
        EXPECT_EQ(medium.Pixel(image * 9, 0), face.Pixel(volt.left - 1, volt.top));
        EXPECT_EQ(medium.Pixel(image * 9 + 8, 11), face.Pixel(volt.left - 1, volt.top));
    }
    for (int level = 0; level <= 20; ++level) {
        EXPECT_EQ(bar.Pixel(level * 79, 0), face.Pixel(kVoltBar.left - 1, kVoltBar.top));
    }
    for (const auto& [stem, place] : {std::pair{"min", kMinButton}, {"close", kCloseButton}}) {
        for (const char* look : {"_up.bmp", "_over.bmp", "_down.bmp"}) {
            const Surface& button = Picture(std::string(stem) + look);
            SCOPED_TRACE(std::string(stem) + look);
            EXPECT_EQ(button.Pixel(0, 0), face.Pixel(place.left, place.top));
            EXPECT_EQ(button.Pixel(15, 15), face.Pixel(place.left + 15, place.top + 15));
        }
    }
}

// One icon read back as 8-bit RGBA through libpng.
struct RgbaPicture {
    int width = 0, height = 0;
    std::vector<uint8_t> bytes;
    const uint8_t* At(int x, int y) const { return &bytes[size_t(y * width + x) * 4]; }
};

RgbaPicture ReadRgba(const fs::path& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    RgbaPicture picture;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        ADD_FAILURE() << path << ": " << image.message;
        return picture;
    }
    image.format = PNG_FORMAT_RGBA;
    picture.bytes.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.bytes.data(), 0, nullptr)) {
        ADD_FAILURE() << path << ": " << image.message;
        return picture;
    }
    picture.width = int(image.width);
    picture.height = int(image.height);
    return picture;
}

// Each icon is the lit gauge drawn at its own size: see-through outside its rounded corners,
// the white hub at the gauge's centre and the ring's lime start at the same place whatever the
// size; at 16 pixels its opaque pixels are the tray's lit icon.
TEST_F(SkinGeneratorTest, IconsDrawTheLitGaugeAtEachSizeWithSeeThroughCorners) {
    const Surface& tray = Picture("tray_icons.bmp");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        SCOPED_TRACE(name);
        const RgbaPicture icon = ReadRgba(IconFolder() / name / "hushwave.png");
        ASSERT_EQ(icon.width, size);
        ASSERT_EQ(icon.height, size);
        const double unit = size / 16.0;
        for (const auto& [x, y] :
             {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}}) {
            EXPECT_LT(icon.At(x, y)[3], 64) << "corner " << x << ", " << y;
        }
        const uint8_t* hub = icon.At(int(8 * unit), int(8.6 * unit));
        EXPECT_EQ(std::vector<uint8_t>(hub, hub + 4), (std::vector<uint8_t>{255, 255, 255, 255}));
        // The middle of the ring's first wedge, at the lower left, 5.5 units from the centre.
        const uint8_t* lime = icon.At(int((8 - 4.76) * unit), int((8.6 + 2.75) * unit));
        EXPECT_EQ(lime[3], 255);
        EXPECT_GT(lime[1], 200);
        EXPECT_LT(lime[2], 100);
        if (size == 16) {
            int opaque = 0;
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    const uint8_t* p = icon.At(x, y);
                    if (p[3] == 255) {
                        ++opaque;
                        EXPECT_EQ(PixelFromRgb(p[0], p[1], p[2]), tray.Pixel(16 + x, y))
                            << x << ", " << y;
                    }
                }
            }
            EXPECT_GT(opaque, 200);
        }
    }
}

} // namespace
