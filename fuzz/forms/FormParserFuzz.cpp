// Feeds arbitrary bytes to the form resource reader. Refusing them with EParserError is the
// only acceptable failure; any other exception or a crash is a bug.
#include "platform/forms/EParserError.h"
#include "platform/forms/FormParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Checks the invariants the tree promises its users.
void CheckObject(const FormObject& object, int depth) {
    if (depth > kMaxFormNesting || object.className.empty() || object.line < 1) {
        std::abort();
    }
    for (const FormProperty& property : object.properties) {
        if (property.path.empty() || property.line < object.line) {
            std::abort();
        }
        for (const std::string& segment : property.path) {
            if (segment.empty()) {
                std::abort();
            }
        }
    }
    for (const FormObject& child : object.children) {
        if (child.line < object.line) {
            std::abort();
        }
        CheckObject(child, depth + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        CheckObject(ParseFormResource(std::string_view(reinterpret_cast<const char*>(data), size)),
                    1);
    } catch (const EParserError&) {
    }
    return 0;
}
