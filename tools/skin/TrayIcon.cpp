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

void DrawIcon(FineCanvas& canvas, double left, bool lit) {
    const Vec2 centre{left + 8, 8.6};
    canvas.FillPolygon(RoundedRect(left, 0, left + kSize, kSize, 3), {0x5A, 0x64, 0x6C});
    canvas.FillGradient(RoundedRect(left, 0, left + kSize, kSize, 3, 1), 0, kSize,
                        {0x26, 0x2C, 0x32}, {0x0A, 0x0C, 0x0E});
    const double step = (kTo - kFrom) / kWedges;
    for (int k = 0; k < kWedges; ++k) {
        // Neighbouring wedges overlap a little, so the ring reads as one sweep.
        const double a0 = kFrom + k * step, a1 = std::min(kTo, a0 + step * 1.15);
        Polygon wedge = EllipseArc(centre, 6.9, 6.9, a0, a1, 6);
        const Polygon inner = EllipseArc(centre, 4.1, 4.1, a1, a0, 6);
        wedge.insert(wedge.end(), inner.begin(), inner.end());
        const double t = double(k) / (kWedges - 1);
        const Rgb colour =
            lit ? palette::Accent(t) : Mix({0x70, 0x78, 0x80}, {0xA0, 0xA8, 0xB0}, t);
        canvas.FillPolygon(wedge, colour);
    }
    const double needle = -0.28 * std::numbers::pi;
    const Vec2 tip = centre + Vec2{std::cos(needle), std::sin(needle)} * 5.2;
    const Vec2 across = Normalized(Vec2{-(tip - centre).y, (tip - centre).x}) * 0.8;
    canvas.FillPolygon({centre - across, tip, centre + across}, palette::kWhite);
    canvas.FillEllipse(centre, 1.5, 1.5, palette::kWhite);
}

} // namespace

Surface DrawTrayIconStrip() {
    FineCanvas canvas(2 * kSize, kSize, palette::kBlack);
    DrawIcon(canvas, 0, false);
    DrawIcon(canvas, kSize, true);
    return canvas.Resolve();
}
