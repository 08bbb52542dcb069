// The numeric LED display with eight digits: a new value drawn into its picture at the base
// size and at four times it, against a plain copy of the same picture's pixels into a bitmap of
// its size; and a layout built from a format.
#include "kiln/Graphics/CanvasHelpers.h"
#include "package/ZvNumLed.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TPicture.h"
#include "platform/graphics/TBitmap.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kBaseWidth = 8 * 18, kBaseHeight = 22;

void BM_NewValue(benchmark::State& state) {
    const int scale = int(state.range(0));
    ZvNumLed display(nullptr);
    display.SetFormat("88888888");
    display.SetBounds(0, 0, kBaseWidth * scale, kBaseHeight * scale);
    // Every digit changes, and every segment of the 8 changes in the step from 1 to 8.
    const double values[] = {12345678.0, 81818181.0, 56781234.0, 18181818.0};
    std::size_t next = 0;
    for (auto _ : state) {
        display.SetValue(values[next]);
        next = (next + 1) % 4;
        benchmark::DoNotOptimize(display.Image()->Picture()->Bitmap()->PixelRow(0));
    }
}

void BM_PlainCopy(benchmark::State& state) {
    const int scale = int(state.range(0));
    ZvNumLed display(nullptr);
    display.SetFormat("88888888");
    display.SetBounds(0, 0, kBaseWidth * scale, kBaseHeight * scale);
    TBitmap* picture = display.Image()->Picture()->Bitmap();
    TBitmap copy;
    copy.SetPixelFormat(pf24bit);
    copy.SetSize(picture->Width(), picture->Height());
    const TRect all(0, 0, picture->Width(), picture->Height());
    for (auto _ : state) {
        kiln::CopyBitmapRect(copy.Canvas(), 0, 0, picture, all);
        benchmark::DoNotOptimize(copy.PixelRow(0));
    }
}

void BM_LayoutFromFormat(benchmark::State& state) {
    ZvNumLed display(nullptr);
    display.SetBounds(0, 0, kBaseWidth, kBaseHeight);
    const char* formats[] = {"88888888", "8888888.8"};
    std::size_t next = 0;
    for (auto _ : state) {
        display.SetFormat(formats[next]);
        next = 1 - next;
        benchmark::DoNotOptimize(display.Width());
    }
}

BENCHMARK(BM_NewValue)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainCopy)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LayoutFromFormat)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
