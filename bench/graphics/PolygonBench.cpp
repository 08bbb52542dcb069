// Filling the seven segments of an LED digit, each a six-cornered bar, at four times the
// 10 x 18 pixel grid the digits are designed on.
#include "kiln/Graphics/CanvasHelpers.h"
#include "platform/graphics/TBitmap.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

namespace {

using Segment = std::array<TPoint, 6>;

// A bar along one axis with pointed ends, from (x0, y0) to (x1, y1), half a thickness of h.
Segment Bar(int x0, int y0, int x1, int y1, int h) {
    if (y0 == y1) {
        return {{{x0, y0},
                 {x0 + h, y0 - h},
                 {x1 - h, y0 - h},
                 {x1, y0},
                 {x1 - h, y0 + h},
                 {x0 + h, y0 + h}}};
    }
    return {{{x0, y0},
             {x0 + h, y0 + h},
             {x0 + h, y1 - h},
             {x0, y1},
             {x0 - h, y1 - h},
             {x0 - h, y0 + h}}};
}

// The segments of an "8", with a gap of one grid step where they meet.
std::vector<Segment> Digit(int scale) {
    const int s = scale, h = s, g = s / 2;
    return {
        Bar(1 * s + g, 1 * s, 9 * s - g, 1 * s, h),  Bar(9 * s, 1 * s + g, 9 * s, 9 * s - g, h),
        Bar(9 * s, 9 * s + g, 9 * s, 17 * s - g, h), Bar(1 * s + g, 17 * s, 9 * s - g, 17 * s, h),
        Bar(1 * s, 9 * s + g, 1 * s, 17 * s - g, h), Bar(1 * s, 1 * s + g, 1 * s, 9 * s - g, h),
        Bar(1 * s + g, 9 * s, 9 * s - g, 9 * s, h)};
}

void BM_SevenSegmentDigit_Scale4(benchmark::State& state) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(10 * 4, 18 * 4);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clLime);
    const std::vector<Segment> digit = Digit(4);
    for (auto _ : state) {
        for (const Segment& segment : digit) {
            kiln::FillPolygonSolid(canvas, segment.data(), int(segment.size()));
        }
        benchmark::DoNotOptimize(bitmap.PixelRow(0));
    }
}

BENCHMARK(BM_SevenSegmentDigit_Scale4)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
