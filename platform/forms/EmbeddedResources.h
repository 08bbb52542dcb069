#pragma once
// Files built into the executable: form resources and the pictures they use. A target lists
// them with hushwave_embed() in its CMakeLists.txt; each is found by its file name without
// folders ("TfrmMain.dfm", "skin.bmp"), compared exactly. The bytes live as long as the
// program.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

std::optional<std::span<const uint8_t>> FindEmbeddedResource(std::string_view name);

struct EmbeddedResource {
    std::string_view name;
    std::span<const uint8_t> bytes;
};

// Called by the sources hushwave_embed() generates, while the program starts. A name embedded
// twice in one program is a build mistake and stops the program with a message.
void RegisterEmbeddedResources(std::span<const EmbeddedResource> resources);
