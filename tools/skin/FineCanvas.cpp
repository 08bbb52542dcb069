#include "tools/skin/FineCanvas.h"

#include "platform/graphics/Blit.h"
#include "platform/graphics/Raster.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/ScaledFont.h"

#include <algorithm>
#include <cmath>

namespace {

LONG Fine(double coordinate) {
    return LONG(std::lround(coordinate * FineCanvas::kScale));
}

uint32_t PixelOf(Rgb colour) {
    return PixelFromRgb(colour.r, colour.g, colour.b);
}

FontSpec FineFont(const TextStyle& style) {
    FontSpec spec;
    spec.name = style.font;
    spec.height = style.height * FineCanvas::kScale;
    spec.bold = style.bold;
    return spec;
}

} // namespace

struct FineCanvas::Tools {
    Surface fine;
    RECT clip;
};

FineCanvas::FineCanvas(int width, int height, Rgb ground)
    : m_width(width), m_height(height), m_tools(std::make_unique<Tools>()) {
    m_tools->fine = Surface(width * kScale, height * kScale);
    m_tools->fine.Fill(PixelOf(ground));
    m_tools->clip = RECT{0, 0, LONG(width * kScale), LONG(height * kScale)};
}

FineCanvas::FineCanvas(const FineCanvas& other)
    : m_width(other.m_width), m_height(other.m_height),
      m_tools(std::make_unique<Tools>(*other.m_tools)) {}

FineCanvas::~FineCanvas() = default;

void FineCanvas::FillRect(double left, double top, double right, double bottom, Rgb colour) {
    FillRectangle(m_tools->fine, m_tools->clip,
                  RECT{Fine(left), Fine(top), Fine(right), Fine(bottom)}, Paint{PixelOf(colour)});
}

void FineCanvas::FillPolygon(const Polygon& polygon, Rgb colour) {
    if (polygon.size() < 3) {
        return;
    }
    std::vector<POINT> points;
    points.reserve(polygon.size());
    for (const Vec2& p : polygon) {
        points.push_back(POINT{Fine(p.x), Fine(p.y)});
    }
    const Paint paint{PixelOf(colour)};
    DrawPolygon(m_tools->fine, m_tools->clip, points, nullptr, &paint);
}

void FineCanvas::FillEllipse(Vec2 centre, double rx, double ry, Rgb colour) {
    const Paint paint{PixelOf(colour)};
    const ::Stroke edge{paint, 1};
    DrawRoundShape(
        m_tools->fine, m_tools->clip,
        RECT{Fine(centre.x - rx), Fine(centre.y - ry), Fine(centre.x + rx), Fine(centre.y + ry)},
        kEllipseCorner, kEllipseCorner, &edge, &paint);
}

void FineCanvas::FillGradient(const Polygon& polygon, double top, double bottom, Rgb topColour,
                              Rgb bottomColour) {
    if (polygon.size() < 3) {
        return;
    }
    double minY = polygon.front().y, maxY = minY;
    for (const Vec2& p : polygon) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const double rowHeight = 1.0 / kScale;
    for (double y = std::floor(minY * kScale) / kScale; y < maxY; y += rowHeight) {
        const double centre = y + rowHeight / 2;
        const double t = bottom > top ? std::clamp((centre - top) / (bottom - top), 0.0, 1.0) : 0;
        FillPolygon(ClipToRows(polygon, y, y + rowHeight), Mix(topColour, bottomColour, t));
    }
}

void FineCanvas::Text(Vec2 at, std::string_view text, const TextStyle& style, Rgb colour) {
    FontFor(FineFont(style))
        .Draw(m_tools->fine, Fine(at.x), Fine(at.y), text, PixelOf(colour), m_tools->clip);
}

double FineCanvas::TextWidth(std::string_view text, const TextStyle& style) const {
    return double(FontFor(FineFont(style)).TextWidth(text)) / kScale;
}

void FineCanvas::DrawPicture(const Surface& picture, int x, int y) {
    StretchBlit(m_tools->fine, m_tools->clip,
                RECT{LONG(x * kScale), LONG(y * kScale), LONG((x + picture.Width()) * kScale),
                     LONG((y + picture.Height()) * kScale)},
                &picture, RECT{0, 0, LONG(picture.Width()), LONG(picture.Height())},
                kRop3SourceCopy, 0);
}

Surface FineCanvas::Resolve() const {
    Surface result(m_width, m_height);
    constexpr int kSamples = kScale * kScale;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            int r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kScale; ++sy) {
                const uint32_t* row = m_tools->fine.Row(y * kScale + sy) + x * kScale;
                for (int sx = 0; sx < kScale; ++sx) {
                    r += PixelRed(row[sx]);
                    g += PixelGreen(row[sx]);
                    b += PixelBlue(row[sx]);
                }
            }
            result.SetPixel(x, y,
                            PixelFromRgb(uint8_t((r + kSamples / 2) / kSamples),
                                         uint8_t((g + kSamples / 2) / kSamples),
                                         uint8_t((b + kSamples / 2) / kSamples)));
        }
    }
    return result;
}
