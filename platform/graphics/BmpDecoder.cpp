#include "platform/graphics/BmpCodec.h"
#include "platform/graphics/BmpFormat.h"

#include <bit>

namespace bmp {
namespace {

// Scales the bits of one channel mask to 0..255.
class ChannelField {
public:
    explicit ChannelField(uint32_t mask)
        : m_mask(mask), m_shift(mask ? std::countr_zero(mask) : 0),
          m_max(mask ? uint64_t(mask >> m_shift) : 1) {}

    uint8_t operator()(uint32_t pixel) const {
        uint64_t value = (pixel & m_mask) >> m_shift;
        return uint8_t((value * 255 + m_max / 2) / m_max);
    }

private:
    uint32_t m_mask;
    int m_shift;
    uint64_t m_max;
};

uint32_t CheckedIndex(const std::vector<uint32_t>& palette, uint32_t index) {
    if (index >= palette.size()) {
        Reject("palette index " + std::to_string(index) + " lies beyond the palette of " +
               std::to_string(palette.size()) + " colours");
    }
    return palette[index];
}

void DecodeIndexedRow(const uint8_t* src, int width, int bits, const std::vector<uint32_t>& palette,
                      uint32_t* out) {
    const int perByte = 8 / bits;
    const uint32_t mask = (1u << bits) - 1;
    for (int x = 0; x < width; ++x) {
        int shift = 8 - bits * (x % perByte + 1);
        out[x] = CheckedIndex(palette, (src[x / perByte] >> shift) & mask);
    }
}

void DecodeRgbRow(const uint8_t* src, int width, const Header& h, uint32_t* out) {
    if (h.bitsPerPixel == 24) {
        for (int x = 0; x < width; ++x, src += 3) {
            out[x] = PixelFromRgb(src[2], src[1], src[0]);
        }
        return;
    }
    const ChannelField red(h.redMask), green(h.greenMask), blue(h.blueMask);
    const bool wide = h.bitsPerPixel == 32;
    for (int x = 0; x < width; ++x) {
        uint32_t value = wide ? Get32({src, 4}, 0) : Get16({src, 2}, 0);
        src += wide ? 4 : 2;
        out[x] = PixelFromRgb(red(value), green(value), blue(value));
    }
}

uint64_t RowStride(const Header& h) {
    return (uint64_t(h.width) * uint32_t(h.bitsPerPixel) + 31) / 32 * 4;
}

// The pixel data's bytes, checked against what the header claims before anything is
// allocated for the image.
std::span<const uint8_t> PixelData(std::span<const uint8_t> file, const Header& h) {
    const uint64_t available = file.size() - h.pixelOffset;
    if (h.compression == Compression::Rle4 || h.compression == Compression::Rle8) {
        if (h.imageSize > available) {
            Reject("the run-length data runs past the end of the file");
        }
        return file.subspan(h.pixelOffset, h.imageSize != 0 ? h.imageSize : available);
    }
    // The last row may lack its padding; its pixels must be there.
    const uint64_t lastRow = (uint64_t(h.width) * uint32_t(h.bitsPerPixel) + 7) / 8;
    if (RowStride(h) * uint32_t(h.height - 1) + lastRow > available) {
        Reject("the file ends inside the pixel data");
    }
    if (h.imageSize > available) {
        Reject("the image size field (" + std::to_string(h.imageSize) +
               " bytes) exceeds the pixel data in the file");
    }
    return file.subspan(h.pixelOffset);
}

void DecodeUncompressed(std::span<const uint8_t> data, const Header& h,
                        const std::vector<uint32_t>& palette, Surface& image) {
    const uint64_t stride = RowStride(h);
    for (int row = 0; row < h.height; ++row) {
        const uint8_t* src = data.data() + stride * uint32_t(row);
        uint32_t* out = image.Row(h.topDown ? row : h.height - 1 - row);
        if (h.bitsPerPixel <= 8) {
            DecodeIndexedRow(src, h.width, h.bitsPerPixel, palette, out);
        } else {
            DecodeRgbRow(src, h.width, h, out);
        }
    }
}

} // namespace
} // namespace bmp

BmpImage DecodeBmp(std::span<const uint8_t> file) {
    const bmp::Header header = bmp::ReadHeader(file);
    std::vector<uint32_t> palette;
    if (header.bitsPerPixel <= 8) {
        palette = bmp::ReadPalette(file, header);
    }
    std::span<const uint8_t> data = bmp::PixelData(file, header);
    BmpImage result{Surface(header.width, header.height), header.bitsPerPixel};
    if (header.compression == bmp::Compression::Rle4 ||
        header.compression == bmp::Compression::Rle8) {
        bmp::DecodeRle(data, header, palette, result.pixels);
    } else {
        bmp::DecodeUncompressed(data, header, palette, result.pixels);
    }
    return result;
}
