#include "platform/kernel/Process.h"

#include <filesystem>
#include <system_error>

namespace {
std::string& ExeNameOverride() {
    static std::string path;
    return path;
}
} // namespace

std::string ApplicationExeName() {
    if (!ExeNameOverride().empty()) {
        return ExeNameOverride();
    }
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.string();
}

void SetExeNameForTesting(std::string path) {
    ExeNameOverride() = std::move(path);
}
