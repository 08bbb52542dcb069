// Making window regions from bitmaps: BitmapToRegion on the skin and on its worst case, each
// against a plain scan of the same pixels, and the in-house region object on a button-sized
// bitmap.
#include "app/BitmapToRegion.h"
#include "kiln/Graphics/WinRegion.h"
#include "platform/graphics/TBitmap.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

std::unique_ptr<TBitmap> SkinBitmap() {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromFile(HUSHWAVE_SKIN_BACKGROUND);
    return bitmap;
}

// The skin's size with every other pixel of the key colour: a run and a rectangle per two
// pixels.
std::unique_ptr<TBitmap> WorstCaseBitmap() {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(385, 215);
    for (int y = 0; y < bitmap->Height(); ++y) {
        uint32_t* row = bitmap->PixelRow(y);
        for (int x = 0; x < bitmap->Width(); ++x) {
            row[x] = (x + y) % 2 ? PixelFromColorRef(kKey) : 0x202020;
        }
    }
    return bitmap;
}

// What BitmapToRegion must do at the least: test every pixel once against the key colour's
// channel ranges, here counting the pixels that stay.
int CountOpaquePixels(const TBitmap& bitmap) {
    const BYTE lr = GetRValue(kKey), lg = GetGValue(kKey), lb = GetBValue(kKey);
    int opaque = 0;
    for (int y = 0; y < bitmap.Height(); ++y) {
        const BYTE* p = reinterpret_cast<const BYTE*>(bitmap.PixelRow(y));
        for (int x = 0; x < bitmap.Width(); ++x, p += 4) {
            opaque +=
                !(p[2] >= lr && p[2] <= lr && p[1] >= lg && p[1] <= lg && p[0] >= lb && p[0] <= lb);
        }
    }
    return opaque;
}

void Convert(benchmark::State& state, std::unique_ptr<TBitmap> bitmap) {
    for (auto _ : state) {
        HRGN region = BitmapToRegion(bitmap->Handle(), kKey, 0);
        benchmark::DoNotOptimize(region);
        DeleteObject(region);
    }
}

void Scan(benchmark::State& state, std::unique_ptr<TBitmap> bitmap) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(CountOpaquePixels(*bitmap));
    }
}

void BM_BitmapToRegion_Skin(benchmark::State& state) {
    Convert(state, SkinBitmap());
}
void BM_PlainScan_Skin(benchmark::State& state) {
    Scan(state, SkinBitmap());
}
void BM_BitmapToRegion_EveryOtherPixel(benchmark::State& state) {
    Convert(state, WorstCaseBitmap());
}
void BM_PlainScan_EveryOtherPixel(benchmark::State& state) {
    Scan(state, WorstCaseBitmap());
}

// A 16 x 16 button face with rounded corners of the key colour.
void BM_WinRegion_FromBitmap_16x16(benchmark::State& state) {
    TBitmap bitmap;
    bitmap.SetSize(16, 16);
    bitmap.Canvas()->Brush()->SetColor(kKey);
    bitmap.Canvas()->FillRect(TRect(0, 0, 16, 16));
    bitmap.Canvas()->Brush()->SetColor(clBtnFace);
    bitmap.Canvas()->Pen()->SetColor(clBlack);
    bitmap.Canvas()->RoundRect(0, 0, 16, 16, 6, 6);
    kiln::WinRegion region;
    for (auto _ : state) {
        region.FromBitmap(&bitmap, kKey);
        benchmark::DoNotOptimize(region.Handle());
    }
}

BENCHMARK(BM_BitmapToRegion_Skin)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainScan_Skin)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BitmapToRegion_EveryOtherPixel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainScan_EveryOtherPixel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WinRegion_FromBitmap_16x16)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
