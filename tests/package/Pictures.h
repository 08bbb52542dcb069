#pragma once
// Small pictures for the appearance tests: a bitmap of one colour and its BMP file.

#include "platform/graphics/TBitmap.h"

#include <memory>
#include <string>

// A width x height bitmap of one colour (0x00RRGGBB).
inline std::unique_ptr<TBitmap> SolidBitmap(int width, int height, uint32_t pixel) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        uint32_t* row = bitmap->PixelRow(y);
        for (int x = 0; x < width; ++x) {
            row[x] = pixel;
        }
    }
    return bitmap;
}

inline void WriteBmp(const std::string& path, int width, int height, uint32_t pixel) {
    SolidBitmap(width, height, pixel)->SaveToFile(path);
}

inline uint32_t TopLeft(TBitmap& bitmap) {
    return bitmap.PixelRow(0)[0];
}
