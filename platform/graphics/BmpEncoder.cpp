#include "platform/graphics/BmpCodec.h"

#include <stdexcept>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

} // namespace

std::vector<uint8_t> EncodeBmp(const Surface& image, int bitsPerPixel) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32) {
        throw std::invalid_argument("BMP files are written with 24 or 32 bits per pixel");
    }
    const uint32_t bytesPerPixel = uint32_t(bitsPerPixel) / 8;
    const uint32_t stride = (uint32_t(image.Width()) * bytesPerPixel + 3) & ~3u;
    const uint32_t imageSize = stride * uint32_t(image.Height());
    const uint32_t pixelOffset = 14 + 40;

    std::vector<uint8_t> out;
    out.reserve(pixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, pixelOffset + imageSize);
    Put32(out, 0);
    Put32(out, pixelOffset);
    Put32(out, 40);
    Put32(out, uint32_t(image.Width()));
    Put32(out, uint32_t(image.Height())); // positive: bottom-up
    Put16(out, 1);
    Put16(out, uint32_t(bitsPerPixel));
    Put32(out, 0); // BI_RGB
    Put32(out, imageSize);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.Height() - 1; y >= 0; --y) {
        const uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            out.push_back(PixelBlue(row[x]));
            out.push_back(PixelGreen(row[x]));
            out.push_back(PixelRed(row[x]));
            if (bytesPerPixel == 4) {
                out.push_back(0);
            }
        }
        for (uint32_t pad = image.Width() * bytesPerPixel; pad < stride; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}
