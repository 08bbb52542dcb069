// Draws the main window's skin and writes its pictures as 24-bit BMP files, and on request a
// preview of the window, the program's icons for the desktop (<icon folder>/<N>x<N>/) and the
// component gallery's pictures:
//   hushwave-skin <folder> [--preview <png file>] [--icons <icon folder>] [--gallery <folder>]

#include "tools/skin/GalleryPictures.h"
#include "tools/skin/SkinPictures.h"
#include "tools/skin/SkinPreview.h"
#include "tools/skin/TrayIcon.h"

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

// The sizes of the desktop's icon theme folders.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

void WriteIcons(const std::filesystem::path& folder) {
    for (int size : kIconSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        std::filesystem::create_directories(folder / name);
        SavePngWithAlpha(DrawAppIcon(size), (folder / name / "hushwave.png").string());
    }
}

int Usage() {
    std::fprintf(stderr, "usage: hushwave-skin <folder> [--preview <png file>] [--icons <folder>] "
                         "[--gallery <folder>]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc % 2 != 0) {
        return Usage();
    }
    std::string preview;
    std::string icons;
    std::string gallery;
    for (int i = 2; i < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--preview") {
            preview = argv[i + 1];
        } else if (option == "--icons") {
            icons = argv[i + 1];
        } else if (option == "--gallery") {
            gallery = argv[i + 1];
        } else {
            return Usage();
        }
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
        if (!icons.empty()) {
            WriteIcons(icons);
        }
        if (!gallery.empty()) {
            std::filesystem::create_directories(gallery);
            for (const SkinPicture& picture : DrawGalleryPictures()) {
                WriteBmp(std::filesystem::path(gallery) / picture.fileName, picture.pixels);
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "hushwave-skin: %s\n", e.what());
        return 1;
    }
    return 0;
}
