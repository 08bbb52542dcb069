#include "tools/skin/SurfaceBitmap.h"

#include <cstring>

std::unique_ptr<TBitmap> BitmapFromSurface(const Surface& pixels) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(pixels.Width(), pixels.Height());
    for (int row = 0; row < pixels.Height(); ++row) {
        std::memcpy(bitmap->PixelRow(row), pixels.Row(row), pixels.StrideBytes());
    }
    return bitmap;
}

Surface SurfaceFromBitmap(const TBitmap& bitmap) {
    Surface pixels(bitmap.Width(), bitmap.Height());
    for (int row = 0; row < pixels.Height(); ++row) {
        std::memcpy(pixels.Row(row), bitmap.PixelRow(row), pixels.StrideBytes());
    }
    return pixels;
}
