#pragma once
// Reading the firmware's SMBIOS table from the file the kernel exports it in. The file is
// readable by root only on most systems.

#include <cstdint>
#include <string>
#include <vector>

namespace dmi {

inline constexpr const char* kDmiTablePath = "/sys/firmware/dmi/tables/DMI";

struct DmiTableFile {
    std::vector<uint8_t> bytes;
    std::string error; // why the file could not be read; empty when it was

    bool Readable() const { return error.empty(); }
};

DmiTableFile ReadDmiTableFile(const std::string& path);

} // namespace dmi
