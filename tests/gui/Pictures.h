#pragma once
// What the screen shows, as ImageMagick's `import` captures it, and the skin's own pictures.

#include "platform/graphics/Surface.h"
#include "platform/kernel/Types.h"

#include <string>

// The whole screen of the display DISPLAY names, as 0x00RRGGBB pixels; throws
// std::runtime_error when import fails.
Surface Screenshot();
// A BMP file; throws when it cannot be read.
Surface BmpPicture(const std::string& path);
// The part of `picture` inside `area` (picture coordinates, inside the picture).
Surface PartOf(const Surface& picture, const RECT& area);
