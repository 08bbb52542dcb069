#pragma once
// Finds font files for the text engine: fontconfig for names it knows (its metric aliases map
// "Arial" to Liberation Sans), the bitmap "MS Sans Serif" that the Windows font package
// installs, and a Japanese-capable face whenever the Shift-JIS character set is asked for.
// Internal to the text engine.

#include "platform/graphics/FontRequest.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <optional>
#include <string>

namespace fonts {

struct FaceChoice {
    std::string file;
    int index = 0;
    bool synthesizeBold = false;
    bool synthesizeItalic = false;

    friend auto operator<=>(const FaceChoice&, const FaceChoice&) = default;
};

FT_Library Library();

// The face for the request. Bitmap faces come as a family of sizes; the one whose size suits the
// request's height is chosen.
FaceChoice ChooseFace(const FontRequest& request);

// A face that has a glyph for the character, for text the chosen face cannot show.
std::optional<FaceChoice> FallbackFace(char32_t character, const FontRequest& request);

} // namespace fonts
