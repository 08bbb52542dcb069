#pragma once
// Writes a surface as an 8-bit RGB PNG through libpng, for snapshots in tests, pictures in the
// documents and the desktop icons.

#include "platform/graphics/Surface.h"

#include <cstdint>
#include <string>
#include <vector>

// Throws std::runtime_error with libpng's reason when the picture cannot be encoded.
std::vector<uint8_t> EncodePng(const Surface& surface);
// Throws EFCreateError when the file cannot be written.
void SavePng(const Surface& surface, const std::string& path);

// The same as 8-bit RGBA, the alpha taken from each pixel's otherwise unused high byte
// (0 transparent, 255 opaque).
std::vector<uint8_t> EncodePngWithAlpha(const Surface& surface);
void SavePngWithAlpha(const Surface& surface, const std::string& path);
