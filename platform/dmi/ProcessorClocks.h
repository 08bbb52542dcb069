#pragma once
// The external (bus) clock each processor of the machine reports in its SMBIOS Processor
// Information structure (type 4): the WORD at offset 0x12, in MHz, 0 when unknown.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace dmi {

struct ProcessorClocks {
    std::vector<uint16_t> externalClockMHz; // one per type 4 structure, in table order
    std::string error;                      // why the table was rejected; empty when valid

    bool Valid() const { return error.empty(); }
};

ProcessorClocks ReadProcessorClocks(std::span<const uint8_t> table);

} // namespace dmi
