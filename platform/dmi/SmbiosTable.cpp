#include "platform/dmi/SmbiosTable.h"

namespace dmi {

namespace {

constexpr size_t kHeaderSize = 4;
constexpr uint8_t kEndOfTable = 127;

std::string At(size_t offset) {
    return "SMBIOS structure at offset " + std::to_string(offset);
}

// Offset just past the double zero that ends the string set starting at `from`, or 0 when the
// table ends first.
size_t EndOfStrings(std::span<const uint8_t> bytes, size_t from) {
    for (size_t i = from; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == 0 && bytes[i + 1] == 0) {
            return i + 2;
        }
    }
    return 0;
}

SmbiosTable Rejected(std::string error) {
    return SmbiosTable{{}, std::move(error)};
}

} // namespace

SmbiosTable ParseSmbiosTable(std::span<const uint8_t> bytes) {
    SmbiosTable table;
    size_t offset = 0;
    while (offset < bytes.size()) {
        if (bytes.size() - offset < kHeaderSize) {
            return Rejected(At(offset) + " is cut off inside its header");
        }
        const uint8_t type = bytes[offset];
        const uint8_t length = bytes[offset + 1];
        if (length < kHeaderSize) {
            return Rejected(At(offset) + " declares length " + std::to_string(length) +
                            ", shorter than its header");
        }
        if (length > bytes.size() - offset) {
            return Rejected(At(offset) + " declares length " + std::to_string(length) +
                            ", past the end of the table");
        }
        const size_t next = EndOfStrings(bytes, offset + length);
        if (next == 0) {
            return Rejected(At(offset) + " has no double-NUL terminator");
        }
        const uint16_t handle = static_cast<uint16_t>(bytes[offset + 2] | bytes[offset + 3] << 8);
        table.structures.push_back({type, handle, bytes.subspan(offset, length)});
        if (type == kEndOfTable) {
            break;
        }
        offset = next;
    }
    return table;
}

} // namespace dmi
