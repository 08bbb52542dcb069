#pragma once
// Every picture of the skin, under the file name the program and its form resource use.

#include "platform/graphics/Surface.h"

#include <string>
#include <vector>

struct SkinPicture {
    std::string fileName;
    Surface pixels;
};

std::vector<SkinPicture> DrawSkinPictures();

// The picture of that name among them; throws std::out_of_range when there is none.
const Surface& FindPicture(const std::vector<SkinPicture>& pictures, const std::string& fileName);
