#include "platform/dmi/ProcessorClocks.h"

#include "platform/dmi/SmbiosTable.h"

namespace dmi {

namespace {

constexpr uint8_t kProcessorInformation = 4;
constexpr size_t kExternalClockOffset = 0x12;

} // namespace

ProcessorClocks ReadProcessorClocks(std::span<const uint8_t> bytes) {
    SmbiosTable table = ParseSmbiosTable(bytes);
    if (!table.Valid()) {
        return {{}, table.error};
    }
    ProcessorClocks clocks;
    for (const SmbiosStructure& structure : table.structures) {
        if (structure.type != kProcessorInformation) {
            continue;
        }
        if (structure.formatted.size() < kExternalClockOffset + 2) {
            return {{},
                    "SMBIOS processor structure with handle " + std::to_string(structure.handle) +
                        " is too short for its external clock"};
        }
        const auto& f = structure.formatted;
        clocks.externalClockMHz.push_back(
            static_cast<uint16_t>(f[kExternalClockOffset] | f[kExternalClockOffset + 1] << 8));
    }
    return clocks;
}

} // namespace dmi
