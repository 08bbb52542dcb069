#pragma once
// Writes a surface as an 8-bit RGB PNG, for snapshots in tests and pictures in the documents.
// The image data is stored uncompressed inside the zlib stream: simple and exact, at the cost
// of file size.

#include "platform/graphics/Surface.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<uint8_t> EncodePng(const Surface& surface);
// Throws EFCreateError when the file cannot be written.
void SavePng(const Surface& surface, const std::string& path);
