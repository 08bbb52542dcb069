#include "tools/skin/SegmentDigits.h"

#include "tools/skin/Palette.h"
#include "tools/skin/SkinLayout.h"

#include <array>
#include <cstdint>

namespace {

// Segments a to g: top, upper right, lower right, bottom, lower left, upper left, middle.
constexpr std::array<uint8_t, 10> kDigitSegments = {
    0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
    0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111,
};

// A segment with pointed ends from a to b, as thick as the stroke.
Polygon Bar(Vec2 a, Vec2 b, double stroke) {
    const Vec2 along = Normalized(b - a), across{-along.y, along.x};
    const double h = stroke / 2;
    return {a, a + along * h - across * h, b - along * h - across * h,
            b, b - along * h + across * h, a + along * h + across * h};
}

class Glyph {
public:
    Glyph(const DigitStyle& style, double cellLeft) : m_style(style), m_cellLeft(cellLeft) {}

    Polygon Segment(int index) const {
        const DigitStyle& s = m_style;
        const double h = s.stroke / 2, g = s.gap;
        const double x0 = s.left + h, x1 = s.right - h;
        const double y0 = s.top + h, y1 = s.bottom - h, ym = (y0 + y1) / 2;
        Polygon bar;
        switch (index) {
        case 0:
            bar = Bar({x0 + g, y0}, {x1 - g, y0}, s.stroke);
            break;
        case 1:
            bar = Bar({x1, y0 + g}, {x1, ym - g}, s.stroke);
            break;
        case 2:
            bar = Bar({x1, ym + g}, {x1, y1 - g}, s.stroke);
            break;
        case 3:
            bar = Bar({x0 + g, y1}, {x1 - g, y1}, s.stroke);
            break;
        case 4:
            bar = Bar({x0, ym + g}, {x0, y1 - g}, s.stroke);
            break;
        case 5:
            bar = Bar({x0, y0 + g}, {x0, ym - g}, s.stroke);
            break;
        default:
            bar = Bar({x0 + g, ym}, {x1 - g, ym}, s.stroke);
            break;
        }
        for (Vec2& p : bar) {
            p = Slanted(p);
        }
        return bar;
    }

    Polygon Point() const {
        const DigitStyle& s = m_style;
        const double size = s.stroke * 1.25;
        const double cx = (s.left + s.right) / 2, y1 = s.bottom;
        Polygon dot = RoundedRect(cx - size / 2, y1 - size, cx + size / 2, y1, size * 0.3);
        for (Vec2& p : dot) {
            p = Slanted(p);
        }
        return dot;
    }

private:
    Vec2 Slanted(Vec2 p) const {
        const DigitStyle& s = m_style;
        return {m_cellLeft + p.x + s.slant * (s.bottom - p.y) / (s.bottom - s.top), p.y};
    }

    const DigitStyle& m_style;
    double m_cellLeft;
};

void DrawLit(FineCanvas& canvas, const Polygon& shape, const DigitStyle& style) {
    canvas.FillPolygon(shape, style.lit);
    if (style.stroke >= 2.5) {
        canvas.FillPolygon(GrownConvex(shape, -style.stroke * 0.3),
                           Mix(style.lit, palette::kWhite, 0.3));
    }
}

void DrawGlow(FineCanvas& canvas, const Polygon& shape, const DigitStyle& style) {
    if (style.glow > 0) {
        canvas.FillPolygon(GrownConvex(shape, style.glow), Mix(palette::kGlass, style.lit, 0.25));
    }
}

} // namespace

DigitStyle LargeDigitStyle() {
    DigitStyle s;
    s.cellWidth = skin::kFirstFreqDigit.width;
    s.cellHeight = skin::kFirstFreqDigit.height;
    s.left = 3.5;
    s.top = 2.5;
    s.right = 17;
    s.bottom = 24.5;
    s.stroke = 3.4;
    s.gap = 0.55;
    s.slant = 2;
    s.glow = 0.9;
    s.lit = {0x30, 0xFF, 0x30};
    s.unlitShare = 0.12;
    return s;
}

DigitStyle MediumDigitStyle() {
    DigitStyle s;
    s.cellWidth = skin::kFirstVoltDigit.width;
    s.cellHeight = skin::kFirstVoltDigit.height;
    s.left = 1.25;
    s.top = 1;
    s.right = 7.5;
    s.bottom = 11;
    s.stroke = 1.7;
    s.gap = 0.2;
    s.slant = 0.75;
    s.glow = 0;
    s.lit = {0x40, 0xFF, 0xFF};
    s.unlitShare = 0.07;
    return s;
}

Surface DrawDigitStrip(const DigitStyle& style) {
    FineCanvas canvas(style.cellWidth * skin::kDigitImages, style.cellHeight, palette::kGlass);
    const Rgb unlit = Mix(palette::kGlass, style.lit, style.unlitShare);
    for (int image = 0; image < skin::kDigitImages; ++image) {
        const Glyph glyph(style, double(image * style.cellWidth));
        if (image == skin::kPointImage) {
            DrawGlow(canvas, glyph.Point(), style);
            DrawLit(canvas, glyph.Point(), style);
            continue;
        }
        const unsigned lit = image < 10 ? kDigitSegments[size_t(image)] : 0;
        for (int k = 0; k < 7; ++k) {
            if (!(lit & (1u << k))) {
                canvas.FillPolygon(glyph.Segment(k), unlit);
            }
        }
        for (int k = 0; k < 7; ++k) {
            if (lit & (1u << k)) {
                DrawGlow(canvas, glyph.Segment(k), style);
            }
        }
        for (int k = 0; k < 7; ++k) {
            if (lit & (1u << k)) {
                DrawLit(canvas, glyph.Segment(k), style);
            }
        }
    }
    return canvas.Resolve();
}
