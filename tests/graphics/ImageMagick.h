#pragma once
// ImageMagick serves the graphics tests as an independent decoder of picture files.

#include "platform/graphics/Surface.h"

#include <optional>
#include <string>

// The picture in the file as ImageMagick reads it, or nothing when its convert program is
// missing or fails.
std::optional<Surface> DecodeWithImageMagick(const std::string& path);
bool ImageMagickAvailable();
