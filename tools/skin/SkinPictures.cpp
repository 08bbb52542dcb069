#include "tools/skin/SkinPictures.h"

#include "tools/skin/Face.h"
#include "tools/skin/LevelBar.h"
#include "tools/skin/SegmentDigits.h"
#include "tools/skin/SkinLayout.h"
#include "tools/skin/TrayIcon.h"
#include "tools/skin/WindowButtons.h"

#include <cstdio>
#include <stdexcept>

namespace {

Surface Crop(const Surface& source, const skin::Box& box) {
    Surface part(box.width, box.height);
    for (int y = 0; y < box.height; ++y) {
        for (int x = 0; x < box.width; ++x) {
            part.SetPixel(x, y, source.Pixel(box.left + x, box.top + y));
        }
    }
    return part;
}

std::string FrameFileName(int index) {
    char name[16];
    std::snprintf(name, sizeof name, "bar_%02d.bmp", index);
    return name;
}

void AddButtons(std::vector<SkinPicture>& pictures, const Surface& face, ButtonGlyph glyph,
                const skin::Box& place, const std::string& stem) {
    const Surface raised = DrawWindowButton(glyph, ButtonLook::Raised, face, place);
    pictures.push_back({stem + ".bmp", raised});
    pictures.push_back({stem + "_up.bmp", raised});
    pictures.push_back({stem + "_over.bmp", DrawWindowButton(glyph, ButtonLook::Hot, face, place)});
    pictures.push_back(
        {stem + "_down.bmp", DrawWindowButton(glyph, ButtonLook::Sunken, face, place)});
}

} // namespace

std::vector<SkinPicture> DrawSkinPictures() {
    std::vector<SkinPicture> pictures;
    const FaceDrawing drawing;
    const Surface face = drawing.WithArc(0);
    pictures.push_back({"background.bmp", face});
    for (int frame = 0; frame < skin::kArcFrames; ++frame) {
        const Surface lit = frame == 0 ? face : drawing.WithArc(frame);
        pictures.push_back({FrameFileName(frame), Crop(lit, skin::kArcBox)});
    }
    pictures.push_back({"digits_large.bmp", DrawDigitStrip(LargeDigitStyle())});
    pictures.push_back({"digits_medium.bmp", DrawDigitStrip(MediumDigitStyle())});
    pictures.push_back({"volt_bar.bmp", DrawLevelBarStrip()});
    pictures.push_back({"tray_icons.bmp", DrawTrayIconStrip()});
    AddButtons(pictures, face, ButtonGlyph::Minimise, skin::kMinButton, "min");
    AddButtons(pictures, face, ButtonGlyph::Close, skin::kCloseButton, "close");
    return pictures;
}

const Surface& FindPicture(const std::vector<SkinPicture>& pictures, const std::string& fileName) {
    for (const SkinPicture& picture : pictures) {
        if (picture.fileName == fileName) {
            return picture.pixels;
        }
    }
    throw std::out_of_range("no skin picture " + fileName);
}
