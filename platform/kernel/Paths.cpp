#include "platform/kernel/Paths.h"

std::string ToNativePath(const std::string& path) {
    std::string native;
    native.reserve(path.size());
    for (char c : path) {
        char out = c == '\\' ? '/' : c;
        if (out == '/' && !native.empty() && native.back() == '/') {
            continue;
        }
        native.push_back(out);
    }
    return native;
}
