#pragma once
// A picture of the whole window as the program shows it: the face on a desktop-grey ground
// with the outline cut out, an arc frame, digits, a voltage level, the labels and the buttons.

#include "tools/skin/SkinPictures.h"

#include <string>

struct PreviewReading {
    std::string frequency = "2200.00";
    std::string voltage = "1.4000";
    int arcFrame = 17;
    int voltLevel = 15;
};

Surface ComposePreview(const std::vector<SkinPicture>& pictures, const PreviewReading& reading);
