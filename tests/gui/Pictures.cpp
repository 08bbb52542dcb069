#include "tests/gui/Pictures.h"

#include "platform/graphics/BmpCodec.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// The next number of a binary PPM header: skips white space and comments.
int HeaderNumber(const std::vector<uint8_t>& bytes, size_t& at) {
    while (at < bytes.size() && (std::isspace(bytes[at]) || bytes[at] == '#')) {
        if (bytes[at] == '#') {
            while (at < bytes.size() && bytes[at] != '\n') {
                ++at;
            }
        } else {
            ++at;
        }
    }
    int value = 0;
    size_t first = at;
    while (at < bytes.size() && std::isdigit(bytes[at]) && value < 100000) {
        value = value * 10 + (bytes[at++] - '0');
    }
    if (at == first) {
        throw std::runtime_error("import wrote no picture");
    }
    return value;
}

Surface DecodePpm(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 2 || bytes[0] != 'P' || bytes[1] != '6') {
        throw std::runtime_error("import wrote no binary PPM picture");
    }
    size_t at = 2;
    int width = HeaderNumber(bytes, at);
    int height = HeaderNumber(bytes, at);
    int maximum = HeaderNumber(bytes, at);
    ++at; // the single white-space character before the pixels
    if (maximum != 255 || bytes.size() - at < size_t(width) * size_t(height) * 3) {
        throw std::runtime_error("import wrote a PPM picture of another depth or cut short");
    }
    Surface picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, at += 3) {
            picture.SetPixel(x, y, PixelFromRgb(bytes[at], bytes[at + 1], bytes[at + 2]));
        }
    }
    return picture;
}

} // namespace

Surface Screenshot() {
    std::unique_ptr<FILE, decltype(&pclose)> output(
        popen("import -window root -depth 8 ppm:-", "r"), &pclose);
    if (!output) {
        throw std::runtime_error("cannot run import");
    }
    std::vector<uint8_t> bytes;
    uint8_t buffer[65536];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, output.get())) > 0;) {
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return DecodePpm(bytes);
}

Surface BmpPicture(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    return DecodeBmp(bytes).pixels;
}

Surface PartOf(const Surface& picture, const RECT& area) {
    if (area.left < 0 || area.top < 0 || area.right > picture.Width() ||
        area.bottom > picture.Height() || area.right < area.left || area.bottom < area.top) {
        throw std::out_of_range("the area lies outside the picture");
    }
    Surface part(int(area.right - area.left), int(area.bottom - area.top));
    for (int y = 0; y < part.Height(); ++y) {
        for (int x = 0; x < part.Width(); ++x) {
            part.SetPixel(x, y, picture.Pixel(int(area.left) + x, int(area.top) + y));
        }
    }
    return part;
}
