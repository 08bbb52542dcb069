#include "platform/graphics/PngWriter.h"

#include "platform/core/Exception.h"

#include <png.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace {

// The surface's rows, top row first, as red, green and blue bytes, and alpha after them when
// asked for.
std::vector<uint8_t> Rows(const Surface& surface, bool alpha) {
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(surface.Height()) * size_t(surface.Width()) * (alpha ? 4 : 3));
    for (int y = 0; y < surface.Height(); ++y) {
        const uint32_t* row = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x) {
            bytes.push_back(PixelRed(row[x]));
            bytes.push_back(PixelGreen(row[x]));
            bytes.push_back(PixelBlue(row[x]));
            if (alpha) {
                bytes.push_back(uint8_t(row[x] >> 24));
            }
        }
    }
    return bytes;
}

std::vector<uint8_t> Encode(const Surface& surface, bool alpha) {
    const std::vector<uint8_t> rows = Rows(surface, alpha);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(surface.Width());
    image.height = png_uint_32(surface.Height());
    image.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    const png_int_32 stride = png_int_32(surface.Width()) * (alpha ? 4 : 3);

    // The first pass only measures; libpng reports its errors through the image, never by
    // unwinding through this code.
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rows.data(), stride, nullptr)) {
        throw std::runtime_error(std::string("cannot encode PNG: ") + image.message);
    }
    std::vector<uint8_t> bytes(size);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rows.data(), stride, nullptr)) {
        throw std::runtime_error(std::string("cannot encode PNG: ") + image.message);
    }
    bytes.resize(size);
    return bytes;
}

void Save(const std::vector<uint8_t>& bytes, const std::string& path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
        throw EFCreateError("Cannot create file \"" + path + "\". " + std::strerror(errno));
    }
}

} // namespace

std::vector<uint8_t> EncodePng(const Surface& surface) {
    return Encode(surface, false);
}

void SavePng(const Surface& surface, const std::string& path) {
    Save(Encode(surface, false), path);
}

std::vector<uint8_t> EncodePngWithAlpha(const Surface& surface) {
    return Encode(surface, true);
}

void SavePngWithAlpha(const Surface& surface, const std::string& path) {
    Save(Encode(surface, true), path);
}
