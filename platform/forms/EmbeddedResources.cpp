#include "platform/forms/EmbeddedResources.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

// Filled before main by the generated sources; a function-local table so that it exists
// whichever of them runs first.
std::map<std::string, std::span<const uint8_t>, std::less<>>& Table() {
    static std::map<std::string, std::span<const uint8_t>, std::less<>> table;
    return table;
}

} // namespace

void RegisterEmbeddedResources(std::span<const EmbeddedResource> resources) {
    for (const EmbeddedResource& resource : resources) {
        if (!Table().emplace(std::string(resource.name), resource.bytes).second) {
            std::fprintf(stderr, "Embedded resource \"%.*s\" is embedded twice in this program\n",
                         static_cast<int>(resource.name.size()), resource.name.data());
            std::abort();
        }
    }
}

std::optional<std::span<const uint8_t>> FindEmbeddedResource(std::string_view name) {
    auto found = Table().find(name);
    if (found == Table().end()) {
        return std::nullopt;
    }
    return found->second;
}
