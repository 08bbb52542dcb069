// Draws the main window's skin and writes its pictures as 24-bit BMP files:
//   hushwave-skin <folder> [--preview <png file>]

#include "tools/skin/SkinPictures.h"
#include "tools/skin/SkinPreview.h"

#include "platform/graphics/BmpCodec.h"
#include "platform/graphics/PngWriter.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

void WriteBmp(const std::filesystem::path& path, const Surface& picture) {
    const std::vector<uint8_t> bytes = EncodeBmp(picture, 24);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

int Usage() {
    std::fprintf(stderr, "usage: hushwave-skin <folder> [--preview <png file>]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        return Usage();
    }
    std::string preview;
    if (argc == 4) {
        if (std::string(argv[2]) != "--preview") {
            return Usage();
        }
        preview = argv[3];
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        const std::vector<SkinPicture> pictures = DrawSkinPictures();
        for (const SkinPicture& picture : pictures) {
            WriteBmp(folder / picture.fileName, picture.pixels);
        }
        if (!preview.empty()) {
            SavePng(ComposePreview(pictures, PreviewReading{}), preview);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "hushwave-skin: %s\n", e.what());
        return 1;
    }
    return 0;
}
