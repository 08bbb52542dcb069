#include "tools/skin/FineCanvas.h"

#include "tools/skin/SurfaceBitmap.h"

#include "kiln/Graphics/CanvasLayer.h"
#include "kiln/Graphics/NullSaver.h"
#include "kiln/Graphics/SimplePainter.h"
#include "platform/graphics/TBitmap.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using Layer = kiln::CanvasLayer<kiln::NullSaver<TCanvas*>>;
using Painter = kiln::SimplePainter<Layer>;

LONG Fine(double coordinate) {
    return LONG(std::lround(coordinate * FineCanvas::kScale));
}

kiln::Color ColorOf(Rgb colour) {
    return kiln::Color(colour.r, colour.g, colour.b);
}

void SetFont(TFont* font, const TextStyle& style) {
    font->SetName(style.font);
    font->SetHeight(style.height * FineCanvas::kScale);
    font->SetStyle(style.bold ? TFontStyles{fsBold} : TFontStyles{});
}

} // namespace

struct FineCanvas::Tools {
    TBitmap bitmap;
    Layer layer;
    Painter painter;

    Tools(int width, int height)
        : layer(Prepared(bitmap, width, height), width, height), painter(&layer) {}
    explicit Tools(const Tools& other)
        : layer(Copied(bitmap, other.bitmap), other.layer.Width(), other.layer.Height()),
          painter(&layer) {}

    TCanvas* Canvas() { return bitmap.Canvas(); }

private:
    static TCanvas* Prepared(TBitmap& bitmap, int width, int height) {
        bitmap.SetPixelFormat(pf32bit);
        bitmap.SetSize(width, height);
        return bitmap.Canvas();
    }
    static TCanvas* Copied(TBitmap& bitmap, const TBitmap& other) {
        TCanvas* canvas = Prepared(bitmap, other.Width(), other.Height());
        for (int row = 0; row < other.Height(); ++row) {
            std::memcpy(bitmap.PixelRow(row), other.PixelRow(row), size_t(other.Width()) * 4);
        }
        return canvas;
    }
};

FineCanvas::FineCanvas(int width, int height, Rgb ground)
    : m_width(width), m_height(height),
      m_tools(std::make_unique<Tools>(width * kScale, height * kScale)) {
    m_tools->layer.SetBackgroundColor(ColorOf(ground));
    m_tools->layer.Clear();
}

FineCanvas::FineCanvas(const FineCanvas& other)
    : m_width(other.m_width), m_height(other.m_height),
      m_tools(std::make_unique<Tools>(*other.m_tools)) {}

FineCanvas::~FineCanvas() = default;

void FineCanvas::FillRect(double left, double top, double right, double bottom, Rgb colour) {
    m_tools->painter.SetColor(ColorOf(colour));
    m_tools->painter.FillRect(TRect(Fine(left), Fine(top), Fine(right), Fine(bottom)));
}

void FineCanvas::FillPolygon(const Polygon& polygon, Rgb colour) {
    if (polygon.size() < 3) {
        return;
    }
    std::vector<TPoint> points;
    points.reserve(polygon.size());
    for (const Vec2& p : polygon) {
        points.push_back(TPoint(Fine(p.x), Fine(p.y)));
    }
    m_tools->painter.SetColor(ColorOf(colour));
    m_tools->painter.FillPolygon(points.data(), int(points.size()));
}

void FineCanvas::FillEllipse(Vec2 centre, double rx, double ry, Rgb colour) {
    m_tools->painter.SetColor(ColorOf(colour));
    m_tools->painter.FillEllipse(
        TRect(Fine(centre.x - rx), Fine(centre.y - ry), Fine(centre.x + rx), Fine(centre.y + ry)));
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
    // One band per step of the colour, each as tall as its share of the run: the colours a
    // byte can hold, with no more polygons than that.
    const int steps =
        std::max({std::abs(topColour.r - bottomColour.r), std::abs(topColour.g - bottomColour.g),
                  std::abs(topColour.b - bottomColour.b)});
    if (steps == 0 || bottom <= top) {
        FillPolygon(polygon, topColour);
        return;
    }
    for (int step = 0; step <= steps; ++step) {
        const double from = step == 0 ? minY : top + (bottom - top) * (step - 0.5) / steps;
        const double to = step == steps ? maxY : top + (bottom - top) * (step + 0.5) / steps;
        if (to > minY && from < maxY) {
            FillPolygon(ClipToRows(polygon, std::max(from, minY), std::min(to, maxY)),
                        Mix(topColour, bottomColour, double(step) / steps));
        }
    }
}

void FineCanvas::Text(Vec2 at, std::string_view text, const TextStyle& style, Rgb colour) {
    TCanvas* canvas = m_tools->Canvas();
    SetFont(canvas->Font(), style);
    canvas->Font()->SetColor(ColorRefOf(colour));
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(Fine(at.x), Fine(at.y), std::string(text));
}

double FineCanvas::TextWidth(std::string_view text, const TextStyle& style) const {
    TCanvas* canvas = m_tools->Canvas();
    SetFont(canvas->Font(), style);
    return double(canvas->TextWidth(std::string(text))) / kScale;
}

void FineCanvas::DrawPicture(const Surface& picture, int x, int y) {
    const std::unique_ptr<TBitmap> source = BitmapFromSurface(picture);
    m_tools->Canvas()->StretchDraw(TRect(x * kScale, y * kScale, (x + picture.Width()) * kScale,
                                         (y + picture.Height()) * kScale),
                                   source.get());
}

Surface FineCanvas::Resolve() const {
    Surface result(m_width, m_height);
    constexpr int kSamples = kScale * kScale;
    const TBitmap& fine = m_tools->bitmap;
    std::vector<int> sums(size_t(m_width) * 3);
    for (int y = 0; y < m_height; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int sy = 0; sy < kScale; ++sy) {
            const uint32_t* row = fine.PixelRow(y * kScale + sy);
            for (int fx = 0; fx < m_width * kScale; ++fx) {
                int* sum = &sums[size_t(fx / kScale) * 3];
                sum[0] += PixelRed(row[fx]);
                sum[1] += PixelGreen(row[fx]);
                sum[2] += PixelBlue(row[fx]);
            }
        }
        for (int x = 0; x < m_width; ++x) {
            const int* sum = &sums[size_t(x) * 3];
            result.SetPixel(x, y,
                            PixelFromRgb(uint8_t((sum[0] + kSamples / 2) / kSamples),
                                         uint8_t((sum[1] + kSamples / 2) / kSamples),
                                         uint8_t((sum[2] + kSamples / 2) / kSamples)));
        }
    }
    return result;
}
