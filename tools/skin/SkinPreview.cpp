#include "tools/skin/SkinPreview.h"

#include "tools/skin/Palette.h"
#include "tools/skin/SkinLayout.h"

#include "platform/graphics/Blit.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/ScaledFont.h"

namespace {

using namespace skin;

constexpr int kMargin = 14;
constexpr uint32_t kDesktop = PixelFromRgb(0x6E, 0x76, 0x7E);

class Window {
public:
    explicit Window(const Surface& face)
        : m_pixels(face.Width() + 2 * kMargin, face.Height() + 2 * kMargin),
          m_clip{0, 0, LONG(m_pixels.Width()), LONG(m_pixels.Height())} {
        m_pixels.Fill(kDesktop);
        const uint32_t cutAway = face.Pixel(0, 0);
        for (int y = 0; y < face.Height(); ++y) {
            for (int x = 0; x < face.Width(); ++x) {
                if (face.Pixel(x, y) != cutAway) {
                    m_pixels.SetPixel(x + kMargin, y + kMargin, face.Pixel(x, y));
                }
            }
        }
    }

    // Image index of an image list whose images lie side by side in the strip.
    void DrawImage(const Surface& strip, int index, int width, int x, int y) {
        const RECT source{LONG(index * width), 0, LONG((index + 1) * width), LONG(strip.Height())};
        StretchBlit(m_pixels, m_clip, Place(x, y, width, strip.Height()), &strip, source,
                    kRop3SourceCopy, 0);
    }

    // A bitmap drawn with its bottom-left pixel's colour left out, as the window draws the
    // arc frames.
    void DrawTransparent(const Surface& picture, int x, int y) {
        TransparentBlit(m_pixels, m_clip, Place(x, y, picture.Width(), picture.Height()), picture,
                        RECT{0, 0, LONG(picture.Width()), LONG(picture.Height())},
                        picture.Pixel(0, picture.Height() - 1));
    }

    void DrawLabel(const Box& box, const char* caption, Rgb colour) {
        FontSpec spec;
        spec.name = "Arial";
        spec.height = -11;
        spec.bold = true;
        const ScaledFont& font = FontFor(spec);
        const int left = box.left + (box.width - font.TextWidth(caption)) / 2;
        font.Draw(m_pixels, left + kMargin, box.top + kMargin, caption,
                  PixelFromRgb(colour.r, colour.g, colour.b), m_clip);
    }

    Surface Take() { return std::move(m_pixels); }

private:
    static RECT Place(int x, int y, int width, int height) {
        return RECT{LONG(x + kMargin), LONG(y + kMargin), LONG(x + kMargin + width),
                    LONG(y + kMargin + height)};
    }

    Surface m_pixels;
    RECT m_clip;
};

int ImageIndex(char c) {
    if (c == '.') {
        return kPointImage;
    }
    return c >= '0' && c <= '9' ? c - '0' : kUnlitImage;
}

} // namespace

Surface ComposePreview(const std::vector<SkinPicture>& pictures, const PreviewReading& reading) {
    Window window(FindPicture(pictures, "background.bmp"));
    char frameName[16];
    std::snprintf(frameName, sizeof frameName, "bar_%02d.bmp", reading.arcFrame);
    window.DrawTransparent(FindPicture(pictures, frameName), kArcBox.left, kArcBox.top);

    const Surface& large = FindPicture(pictures, "digits_large.bmp");
    const std::string frequency =
        std::string(kFreqDigits - std::min<size_t>(kFreqDigits, reading.frequency.size()), '*') +
        reading.frequency;
    for (int i = 0; i < kFreqDigits; ++i) {
        const Box cell = FreqDigit(i);
        window.DrawImage(large, ImageIndex(frequency[size_t(i)]), cell.width, cell.left, cell.top);
    }
    const Surface& medium = FindPicture(pictures, "digits_medium.bmp");
    const std::string voltage =
        std::string(kVoltDigits - std::min<size_t>(kVoltDigits, reading.voltage.size()), '*') +
        reading.voltage;
    for (int i = 0; i < kVoltDigits; ++i) {
        const Box cell = VoltDigit(i);
        window.DrawImage(medium, ImageIndex(voltage[size_t(i)]), cell.width, cell.left, cell.top);
    }
    window.DrawImage(FindPicture(pictures, "volt_bar.bmp"), reading.voltLevel, kVoltBar.width,
                     kVoltBar.left, kVoltBar.top);
    window.DrawImage(FindPicture(pictures, "min_up.bmp"), 0, kMinButton.width, kMinButton.left,
                     kMinButton.top);
    window.DrawImage(FindPicture(pictures, "close_up.bmp"), 0, kCloseButton.width,
                     kCloseButton.left, kCloseButton.top);
    window.DrawLabel(kFreqLabel, "CPU Frequency", palette::kLime);
    window.DrawLabel(kVoltLabel, "CPU Voltage", palette::kAqua);
    return window.Take();
}
