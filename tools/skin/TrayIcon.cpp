#include "tools/skin/TrayIcon.h"

#include "tools/skin/FineCanvas.h"
#include "tools/skin/Palette.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kSize = 16;
constexpr int kWedges = 9;
// The scale opens at the bottom: from the lower left, over the top, to the lower right.
constexpr double kFrom = 0.75 * std::numbers::pi;
constexpr double kTo = 2.25 * std::numbers::pi;

// The icon drawn on a grid of 16 units, each unit `scale` pixels.
void DrawIcon(FineCanvas& canvas, double left, bool lit, double scale) {
    const auto at = [&](double x, double y) { return Vec2{left + x * scale, y * scale}; };
    const double size = kSize * scale;
    // Larger icons get more points on their arcs, so the curves stay smooth.
    const int arcSteps = int(6 * std::max(1.0, scale / 2));
    const Vec2 centre = at(8, 8.6);
    canvas.FillPolygon(RoundedRect(left, 0, left + size, size, 3 * scale), {0x5A, 0x64, 0x6C});
    canvas.FillGradient(RoundedRect(left, 0, left + size, size, 3 * scale, scale), 0, size,
                        {0x26, 0x2C, 0x32}, {0x0A, 0x0C, 0x0E});
    const double step = (kTo - kFrom) / kWedges;
    for (int k = 0; k < kWedges; ++k) {
        // Neighbouring wedges overlap a little, so the ring reads as one sweep.
        const double a0 = kFrom + k * step, a1 = std::min(kTo, a0 + step * 1.15);
        Polygon wedge = EllipseArc(centre, 6.9 * scale, 6.9 * scale, a0, a1, arcSteps);
        const Polygon inner = EllipseArc(centre, 4.1 * scale, 4.1 * scale, a1, a0, arcSteps);
        wedge.insert(wedge.end(), inner.begin(), inner.end());
        const double t = double(k) / (kWedges - 1);
        const Rgb colour =
            lit ? palette::Accent(t) : Mix({0x70, 0x78, 0x80}, {0xA0, 0xA8, 0xB0}, t);
        canvas.FillPolygon(wedge, colour);
    }
    const double needle = -0.28 * std::numbers::pi;
    const Vec2 tip = centre + Vec2{std::cos(needle), std::sin(needle)} * 5.2 * scale;
    const Vec2 across = Normalized(Vec2{-(tip - centre).y, (tip - centre).x}) * 0.8 * scale;
    canvas.FillPolygon({centre - across, tip, centre + across}, palette::kWhite);
    canvas.FillEllipse(centre, 1.5 * scale, 1.5 * scale, palette::kWhite);
}

} // namespace

Surface DrawTrayIconStrip() {
    FineCanvas canvas(2 * kSize, kSize, palette::kBlack);
    DrawIcon(canvas, 0, false, 1);
    DrawIcon(canvas, kSize, true, 1);
    return canvas.Resolve();
}

Surface DrawAppIcon(int size) {
    // Drawn once over black and once over white: where the two differ, the ground shows
    // through, and by how much tells the pixel's coverage.
    const double scale = double(size) / kSize;
    FineCanvas overBlack(size, size, palette::kBlack);
    FineCanvas overWhite(size, size, palette::kWhite);
    DrawIcon(overBlack, 0, true, scale);
    DrawIcon(overWhite, 0, true, scale);
    const Surface black = overBlack.Resolve();
    const Surface white = overWhite.Resolve();
    Surface icon(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const uint32_t b = black.Pixel(x, y);
            const int alpha =
                std::clamp(255 - (PixelGreen(white.Pixel(x, y)) - PixelGreen(b)), 0, 255);
            const auto unmix = [alpha](uint8_t channel) {
                return alpha == 0 ? uint8_t(0) : uint8_t(std::min(255, channel * 255 / alpha));
            };
            icon.SetPixel(
                x, y,
                uint32_t(alpha) << 24 |
                    PixelFromRgb(unmix(PixelRed(b)), unmix(PixelGreen(b)), unmix(PixelBlue(b))));
        }
    }
    return icon;
}
