#pragma once
// Pictures as the { hex } blocks a form resource stores bitmap data in.

#include "SkinnedForm.h"

#include <cstdio>
#include <sstream>
#include <string>

// A bitmap's BMP file as the { hex } block of a form resource.
inline std::string HexBlock(TBitmap& bitmap) {
    std::ostringstream bytes;
    bitmap.SaveToStream(bytes);
    std::string hex;
    for (unsigned char byte : bytes.str()) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", byte);
        hex += digits;
    }
    return "{" + hex + "}";
}

inline std::string HexPicture(int width, int height, TColor colour, int keyedColumns = 0) {
    return HexBlock(*Picture(width, height, colour, keyedColumns));
}
