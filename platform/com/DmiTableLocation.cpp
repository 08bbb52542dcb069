#include "platform/com/DmiTableLocation.h"

#include "platform/com/WmiTesting.h"
#include "platform/dmi/DmiTableFile.h"

namespace {

std::string& PathOverride() {
    static std::string path;
    return path;
}

} // namespace

std::string DmiTablePath() {
    return PathOverride().empty() ? std::string(dmi::kDmiTablePath) : PathOverride();
}

void SetDmiTablePathForTesting(std::string path) {
    PathOverride() = std::move(path);
}
