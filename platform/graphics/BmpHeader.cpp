#include "platform/graphics/BmpFormat.h"

#include "platform/core/Exception.h"

#include <bit>
#include <cstdlib>

namespace bmp {

namespace {

constexpr size_t kFileHeaderSize = 14;
// Densities beyond this (25,400 pixels per inch) are not a property of any real device; files
// claiming them are damaged.
constexpr long kMaxPixelsPerMetre = 1000000;

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiJpeg = 4, kBiPng = 5,
                   kBiAlphaBitfields = 6;

bool IsOs2v2HeaderSize(uint32_t size) {
    return size >= 16 && size <= 64 && size != 40 && size != 52 && size != 56;
}

bool IsKnownHeaderSize(uint32_t size) {
    return size == 12 || (size >= 16 && size <= 64) || size == 108 || size == 124;
}

void CheckMask(uint32_t mask, const char* channel, int bitsPerPixel, bool required) {
    if (mask == 0) {
        if (required) {
            Reject(std::string("the ") + channel + " bit mask is empty");
        }
        return;
    }
    if (bitsPerPixel < 32 && (mask >> bitsPerPixel) != 0) {
        Reject(std::string("the ") + channel + " bit mask lies outside the pixel");
    }
    uint32_t shifted = mask >> std::countr_zero(mask);
    if ((shifted & (shifted + 1)) != 0) {
        Reject(std::string("the ") + channel + " bit mask is not contiguous");
    }
}

void CheckMasks(const Header& h) {
    CheckMask(h.redMask, "red", h.bitsPerPixel, true);
    CheckMask(h.greenMask, "green", h.bitsPerPixel, true);
    CheckMask(h.blueMask, "blue", h.bitsPerPixel, true);
    CheckMask(h.alphaMask, "alpha", h.bitsPerPixel, false);
    const uint32_t masks[] = {h.redMask, h.greenMask, h.blueMask, h.alphaMask};
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j) {
            if ((masks[i] & masks[j]) != 0) {
                Reject("the bit masks overlap");
            }
        }
    }
}

void SetDefaultMasks(Header& h) {
    if (h.bitsPerPixel == 16) {
        h.redMask = 0x7C00, h.greenMask = 0x03E0, h.blueMask = 0x001F;
    } else {
        h.redMask = 0xFF0000, h.greenMask = 0xFF00, h.blueMask = 0xFF;
    }
}

void CheckDepthAndCompression(Header& h, uint32_t compression, bool os2v2) {
    switch (h.bitsPerPixel) {
    case 1:
    case 2:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    case 0:
        Reject("a bit depth of 0 (an embedded JPEG or PNG image) is not supported");
    default:
        Reject("a bit depth of " + std::to_string(h.bitsPerPixel) + " is not supported");
    }
    if (os2v2 && compression == kBiBitfields) {
        Reject("OS/2 Huffman compression is not supported");
    }
    if (os2v2 && compression == kBiJpeg) {
        Reject("OS/2 24-bit run-length compression is not supported");
    }
    if (os2v2 && compression > kBiJpeg) {
        Reject("unknown OS/2 compression " + std::to_string(compression));
    }
    switch (compression) {
    case kBiRgb:
        h.compression = Compression::Rgb;
        if (h.bitsPerPixel >= 16) {
            SetDefaultMasks(h);
        }
        return;
    case kBiRle8:
        if (h.bitsPerPixel != 8) {
            Reject("RLE8 compression needs 8 bits per pixel");
        }
        h.compression = Compression::Rle8;
        return;
    case kBiRle4:
        if (h.bitsPerPixel != 4) {
            Reject("RLE4 compression needs 4 bits per pixel");
        }
        h.compression = Compression::Rle4;
        return;
    case kBiBitfields:
    case kBiAlphaBitfields:
        if (h.bitsPerPixel != 16 && h.bitsPerPixel != 32) {
            Reject("bit fields need 16 or 32 bits per pixel");
        }
        h.compression = Compression::Bitfields;
        return;
    case kBiJpeg:
    case kBiPng:
        Reject("embedded JPEG and PNG images are not supported");
    default:
        Reject("unknown compression " + std::to_string(compression));
    }
}

} // namespace

void Reject(const std::string& reason) {
    throw EInvalidGraphic("Bitmap image is not valid: " + reason);
}

Header ReadHeader(std::span<const uint8_t> file) {
    if (file.size() < kFileHeaderSize + 4) {
        Reject("the file is too short for a bitmap header");
    }
    if (file[0] != 'B' || file[1] != 'M') {
        Reject("the file does not start with the BM signature");
    }
    uint32_t declaredSize = Get32(file, 2);
    if (declaredSize > file.size()) {
        Reject("the file is shorter than its header says (" + std::to_string(file.size()) + " of " +
               std::to_string(declaredSize) + " bytes)");
    }
    Header h;
    h.pixelOffset = Get32(file, 10);
    h.headerSize = Get32(file, kFileHeaderSize);
    if (!IsKnownHeaderSize(h.headerSize)) {
        Reject("unknown header size " + std::to_string(h.headerSize));
    }
    if (file.size() < kFileHeaderSize + h.headerSize) {
        Reject("the file ends inside the bitmap header");
    }
    const size_t info = kFileHeaderSize;
    long long width, height;
    uint32_t planes, compression = kBiRgb, colorsUsed = 0;
    if (h.headerSize == 12) {
        width = Get16(file, info + 4);
        height = Get16(file, info + 6);
        planes = Get16(file, info + 8);
        h.bitsPerPixel = Get16(file, info + 10);
        h.paletteEntrySize = 3;
    } else {
        // Fields past the end of a short OS/2 2.x header read as zero.
        auto field32 = [&](size_t at) {
            return at + 4 <= h.headerSize ? Get32(file, info + at) : 0;
        };
        width = int32_t(Get32(file, info + 4));
        height = int32_t(Get32(file, info + 8));
        planes = Get16(file, info + 12);
        h.bitsPerPixel = Get16(file, info + 14);
        compression = field32(16);
        h.imageSize = field32(20);
        long xDensity = int32_t(field32(24)), yDensity = int32_t(field32(28));
        colorsUsed = field32(32);
        if (xDensity < 0 || yDensity < 0 || xDensity > kMaxPixelsPerMetre ||
            yDensity > kMaxPixelsPerMetre) {
            Reject("the pixel density is out of range");
        }
    }
    if (planes != 1) {
        Reject("the plane count is " + std::to_string(planes) + ", not 1");
    }
    if (width <= 0) {
        Reject("the width is " + std::to_string(width));
    }
    if (height == 0) {
        Reject("the height is 0");
    }
    h.topDown = height < 0;
    height = std::llabs(height);
    if (!Surface::IsAcceptableSize(width, height)) {
        Reject("the image is too large (" + std::to_string(width) + " x " + std::to_string(height) +
               " pixels)");
    }
    h.width = int(width);
    h.height = int(height);

    bool os2v2 = IsOs2v2HeaderSize(h.headerSize);
    CheckDepthAndCompression(h, compression, os2v2);
    if (h.topDown && (h.compression == Compression::Rle4 || h.compression == Compression::Rle8)) {
        Reject("a run-length image cannot be stored top-down");
    }

    size_t afterHeader = kFileHeaderSize + h.headerSize;
    if (h.compression == Compression::Bitfields) {
        size_t masksAt = info + 40;
        size_t maskCount = compression == kBiAlphaBitfields ? 4 : 3;
        if (h.headerSize == 40) {
            afterHeader += maskCount * 4;
        } else if (h.headerSize >= 56) {
            maskCount = 4;
        } else if (h.headerSize < 52) {
            Reject("the header is too short to hold bit masks");
        }
        if (file.size() < masksAt + maskCount * 4) {
            Reject("the file ends inside the bit masks");
        }
        h.redMask = Get32(file, masksAt);
        h.greenMask = Get32(file, masksAt + 4);
        h.blueMask = Get32(file, masksAt + 8);
        h.alphaMask = maskCount == 4 ? Get32(file, masksAt + 12) : 0;
        CheckMasks(h);
    }

    h.paletteOffset = afterHeader;
    if (h.bitsPerPixel <= 8) {
        // A count the header states must be there; the full palette a header implies by
        // stating none may be cut short by the pixel data.
        h.paletteEntries = colorsUsed != 0 ? colorsUsed : 1u << h.bitsPerPixel;
        if (colorsUsed != 0 &&
            uint64_t(colorsUsed) * uint32_t(h.paletteEntrySize) > file.size() - h.paletteOffset) {
            Reject("the palette of " + std::to_string(h.paletteEntries) +
                   " colours runs past the end of the file");
        }
    }
    if (h.pixelOffset < afterHeader) {
        Reject("the pixel data starts inside the header");
    }
    if (h.pixelOffset >= file.size()) {
        Reject("the file holds no pixel data");
    }
    return h;
}

std::vector<uint32_t> ReadPalette(std::span<const uint8_t> file, const Header& header) {
    uint64_t count = std::min<uint64_t>(header.paletteEntries, 1u << header.bitsPerPixel);
    uint64_t room = (header.pixelOffset - header.paletteOffset) / uint32_t(header.paletteEntrySize);
    count = std::min(count, room);
    std::vector<uint32_t> palette;
    palette.reserve(count);
    for (uint64_t i = 0; i < count; ++i) {
        size_t at = header.paletteOffset + i * uint32_t(header.paletteEntrySize);
        palette.push_back(PixelFromRgb(file[at + 2], file[at + 1], file[at]));
    }
    return palette;
}

} // namespace bmp
