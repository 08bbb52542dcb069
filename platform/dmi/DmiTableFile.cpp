#include "platform/dmi/DmiTableFile.h"

#include <filesystem>
#include <fstream>

namespace dmi {

namespace {

// SMBIOS 2 tables end below 64 KiB; SMBIOS 3 tables are not much larger in practice. Anything
// bigger is not a structure table.
constexpr size_t kMaxTableSize = 1 << 20;

} // namespace

DmiTableFile ReadDmiTableFile(const std::string& path) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored)) {
        return {{}, path + " is not a readable file"};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {{}, "cannot open " + path};
    }
    DmiTableFile file;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        file.bytes.insert(file.bytes.end(), chunk, chunk + in.gcount());
        if (file.bytes.size() > kMaxTableSize) {
            return {{}, path + " is larger than an SMBIOS table can be"};
        }
    }
    if (in.bad()) {
        return {{}, "cannot read " + path};
    }
    return file;
}

} // namespace dmi
