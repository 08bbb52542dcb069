#include "tools/skin/SkinPreview.h"

#include "tools/skin/Palette.h"
#include "tools/skin/SkinLayout.h"
#include "tools/skin/SurfaceBitmap.h"

#include <cstdio>

namespace {

using namespace skin;

constexpr int kMargin = 14;
constexpr Rgb kDesktop{0x6E, 0x76, 0x7E};

// The window on a piece of desktop, drawn as the program draws it.
class Window {
public:
    explicit Window(const Surface& face) {
        m_bitmap.SetPixelFormat(pf24bit);
        m_bitmap.SetSize(face.Width() + 2 * kMargin, face.Height() + 2 * kMargin);
        TCanvas* canvas = m_bitmap.Canvas();
        canvas->Brush()->SetColor(ColorRefOf(kDesktop));
        canvas->FillRect(TRect(0, 0, m_bitmap.Width(), m_bitmap.Height()));

        // The window's region leaves out the top-left pixel's colour.
        const std::unique_ptr<TBitmap> background = BitmapFromSurface(face);
        background->SetTransparentMode(tmFixed);
        background->SetTransparentColor(ColorRefFromPixel(face.Pixel(0, 0)));
        background->SetTransparent(true);
        canvas->Draw(kMargin, kMargin, background.get());
    }

    // Image index of an image list whose images lie side by side in the strip.
    void DrawImage(const Surface& strip, int index, int width, int x, int y) {
        const std::unique_ptr<TBitmap> images = BitmapFromSurface(strip);
        const int height = strip.Height();
        m_bitmap.Canvas()->CopyRect(
            TRect(x + kMargin, y + kMargin, x + kMargin + width, y + kMargin + height),
            images->Canvas(), TRect(index * width, 0, (index + 1) * width, height));
    }

    // An arc frame as the window draws it: transparent, in its bottom-left pixel's colour.
    void DrawFrame(const Surface& frame, int x, int y) {
        const std::unique_ptr<TBitmap> bitmap = BitmapFromSurface(frame);
        bitmap->SetTransparent(true);
        m_bitmap.Canvas()->Draw(x + kMargin, y + kMargin, bitmap.get());
    }

    void DrawLabel(const Box& box, const char* caption, Rgb colour) {
        TCanvas* canvas = m_bitmap.Canvas();
        canvas->Font()->SetName("Arial");
        canvas->Font()->SetHeight(-11);
        canvas->Font()->SetStyle({fsBold});
        canvas->Font()->SetColor(ColorRefOf(colour));
        canvas->Brush()->SetStyle(bsClear);
        const int left = box.left + (box.width - canvas->TextWidth(caption)) / 2;
        canvas->TextOut(left + kMargin, box.top + kMargin, caption);
    }

    Surface Pixels() const { return SurfaceFromBitmap(m_bitmap); }

private:
    TBitmap m_bitmap;
};

int ImageIndex(char c) {
    if (c == '.') {
        return kPointImage;
    }
    return c >= '0' && c <= '9' ? c - '0' : kUnlitImage;
}

// The text right-aligned in count positions, the free positions unlit.
std::string Padded(const std::string& text, int count) {
    return std::string(size_t(count) - std::min(size_t(count), text.size()), '*') + text;
}

} // namespace

Surface ComposePreview(const std::vector<SkinPicture>& pictures, const PreviewReading& reading) {
    Window window(FindPicture(pictures, "background.bmp"));
    char frameName[16];
    std::snprintf(frameName, sizeof frameName, "bar_%02d.bmp", reading.arcFrame);
    window.DrawFrame(FindPicture(pictures, frameName), kArcBox.left, kArcBox.top);

    const Surface& large = FindPicture(pictures, "digits_large.bmp");
    const std::string frequency = Padded(reading.frequency, kFreqDigits);
    for (int i = 0; i < kFreqDigits; ++i) {
        const Box cell = FreqDigit(i);
        window.DrawImage(large, ImageIndex(frequency[size_t(i)]), cell.width, cell.left, cell.top);
    }
    const Surface& medium = FindPicture(pictures, "digits_medium.bmp");
    const std::string voltage = Padded(reading.voltage, kVoltDigits);
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
    return window.Pixels();
}
