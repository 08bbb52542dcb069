#pragma once
// What the BMP reader's parts share: the parsed headers, the palette and the rejection that
// every check ends in. Internal to the codec.

#include "platform/graphics/Surface.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace bmp {

enum class Compression { Rgb, Rle8, Rle4, Bitfields };

struct Header {
    uint32_t headerSize = 0;
    uint32_t pixelOffset = 0;
    int width = 0;
    int height = 0; // always positive; topDown tells the row order
    bool topDown = false;
    int bitsPerPixel = 0;
    Compression compression = Compression::Rgb;
    uint32_t imageSize = 0;
    uint32_t redMask = 0, greenMask = 0, blueMask = 0, alphaMask = 0;
    // Where the palette starts, how many entries the header declares and their size (3 bytes
    // for the OS/2 1.x core header, 4 otherwise).
    size_t paletteOffset = 0;
    uint32_t paletteEntries = 0;
    int paletteEntrySize = 4;
};

// Throws EInvalidGraphic with "Bitmap image is not valid: " and the reason.
[[noreturn]] void Reject(const std::string& reason);

// Reads and checks the file and info headers, the bit masks and the palette's extent.
Header ReadHeader(std::span<const uint8_t> file);

// The palette's colours as surface pixels: the entries the header declares, up to the number
// the pixel depth can address and the room left before the pixel data.
std::vector<uint32_t> ReadPalette(std::span<const uint8_t> file, const Header& header);

// Decodes RLE4 or RLE8 data into a bottom-up image; pixels the data skips stay black.
void DecodeRle(std::span<const uint8_t> data, const Header& header,
               const std::vector<uint32_t>& palette, Surface& image);

inline uint16_t Get16(std::span<const uint8_t> d, size_t at) {
    return uint16_t(d[at] | (d[at + 1] << 8));
}
inline uint32_t Get32(std::span<const uint8_t> d, size_t at) {
    return uint32_t(d[at]) | (uint32_t(d[at + 1]) << 8) | (uint32_t(d[at + 2]) << 16) |
           (uint32_t(d[at + 3]) << 24);
}

} // namespace bmp
