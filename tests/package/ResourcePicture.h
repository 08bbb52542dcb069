#pragma once
// A picture of one colour as the { hex } block a form resource stores bitmap data in.

#include "SkinnedForm.h"

#include <cstdio>
#include <sstream>
#include <string>

inline std::string HexPicture(int width, int height, TColor colour) {
    std::ostringstream bytes;
    Picture(width, height, colour)->SaveToStream(bytes);
    std::string hex;
    for (unsigned char byte : bytes.str()) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", byte);
        hex += digits;
    }
    return "{" + hex + "}";
}
