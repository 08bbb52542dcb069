#include "tests/graphics/ImageMagick.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

struct PipeCloser {
    void operator()(FILE* f) const { pclose(f); }
};

std::vector<unsigned char> RunAndRead(const std::string& command) {
    std::unique_ptr<FILE, PipeCloser> pipe(popen(command.c_str(), "r"));
    std::vector<unsigned char> out;
    if (!pipe) {
        return out;
    }
    unsigned char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) {
        out.insert(out.end(), buffer, buffer + n);
    }
    return out;
}

// Reads one header number of a binary PPM, skipping white space and comments.
bool ReadNumber(const std::vector<unsigned char>& d, size_t& pos, int& value) {
    while (pos < d.size() && (isspace(d[pos]) || d[pos] == '#')) {
        if (d[pos] == '#') {
            while (pos < d.size() && d[pos] != '\n') {
                ++pos;
            }
        } else {
            ++pos;
        }
    }
    if (pos >= d.size() || !isdigit(d[pos])) {
        return false;
    }
    value = 0;
    while (pos < d.size() && isdigit(d[pos])) {
        value = value * 10 + (d[pos++] - '0');
    }
    return true;
}

} // namespace

bool ImageMagickAvailable() {
    return std::system("convert -version >/dev/null 2>&1") == 0;
}

std::optional<Surface> DecodeWithImageMagick(const std::string& path) {
    std::vector<unsigned char> ppm =
        RunAndRead("convert '" + path + "' -depth 8 ppm:- 2>/dev/null");
    size_t pos = 2;
    int width, height, maxValue;
    if (ppm.size() < 2 || ppm[0] != 'P' || ppm[1] != '6' || !ReadNumber(ppm, pos, width) ||
        !ReadNumber(ppm, pos, height) || !ReadNumber(ppm, pos, maxValue) || maxValue != 255) {
        return std::nullopt;
    }
    ++pos;
    if (ppm.size() < pos + size_t(width) * height * 3) {
        return std::nullopt;
    }
    Surface image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, pos += 3) {
            image.SetPixel(x, y, PixelFromRgb(ppm[pos], ppm[pos + 1], ppm[pos + 2]));
        }
    }
    return image;
}
