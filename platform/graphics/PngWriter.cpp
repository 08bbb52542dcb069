#include "platform/graphics/PngWriter.h"

#include "platform/core/Exception.h"

#include <png.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace {

// The surface's rows, top row first, as red, green and blue bytes.
std::vector<uint8_t> RgbRows(const Surface& surface) {
    std::vector<uint8_t> rgb;
    rgb.reserve(size_t(surface.Height()) * size_t(surface.Width()) * 3);
    for (int y = 0; y < surface.Height(); ++y) {
        const uint32_t* row = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x) {
            rgb.push_back(PixelRed(row[x]));
            rgb.push_back(PixelGreen(row[x]));
            rgb.push_back(PixelBlue(row[x]));
        }
    }
    return rgb;
}

} // namespace

std::vector<uint8_t> EncodePng(const Surface& surface) {
    const std::vector<uint8_t> rgb = RgbRows(surface);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(surface.Width());
    image.height = png_uint_32(surface.Height());
    image.format = PNG_FORMAT_RGB;
    const png_int_32 stride = png_int_32(surface.Width()) * 3;

    // The first pass only measures; libpng reports its errors through the image, never by
    // unwinding through this code.
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), stride, nullptr)) {
        throw std::runtime_error(std::string("cannot encode PNG: ") + image.message);
    }
    std::vector<uint8_t> bytes(size);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb.data(), stride, nullptr)) {
        throw std::runtime_error(std::string("cannot encode PNG: ") + image.message);
    }
    bytes.resize(size);
    return bytes;
}

void SavePng(const Surface& surface, const std::string& path) {
    std::vector<uint8_t> bytes = EncodePng(surface);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
        throw EFCreateError("Cannot create file \"" + path + "\". " + std::strerror(errno));
    }
}
