#pragma once
// Our reader and writer of Windows BMP files.
//
// The reader takes every header a BMP file may carry (OS/2 1.x core, OS/2 2.x of 16 to 64
// bytes, INFO, V4, V5), 1, 2, 4, 8, 16, 24 and 32 bits per pixel, BI_RGB, BI_BITFIELDS,
// BI_ALPHABITFIELDS, RLE4 and RLE8, both row orders and any palette size. A BMP file comes from
// disk, so it is treated as hostile: everything it claims is checked against the bytes that
// are there, the decoded image is bounded by Surface's limits, and whatever does not hold is
// rejected with EInvalidGraphic naming the fault. Alpha is not kept.
//
// The writer writes 24- and 32-bit BI_RGB files with an INFO header, bottom-up.

#include "platform/graphics/Surface.h"

#include <cstdint>
#include <span>
#include <vector>

struct BmpImage {
    Surface pixels;
    int bitsPerPixel = 0; // as stored in the file
};

BmpImage DecodeBmp(std::span<const uint8_t> file);

// bitsPerPixel is 24 or 32.
std::vector<uint8_t> EncodeBmp(const Surface& image, int bitsPerPixel);
