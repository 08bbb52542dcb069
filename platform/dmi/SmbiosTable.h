#pragma once
// The firmware's SMBIOS structure table, as the kernel exports it in
// /sys/firmware/dmi/tables/DMI. Each structure is laid out as
//
//   +------+--------+--------+-------------------+------------------------------+
//   | type | length | handle | rest of formatted | strings: "a\0b\0" ... "\0"   |
//   |  1   |   1    |   2    | length - 4 bytes  | (just "\0\0" when none)      |
//   +------+--------+--------+-------------------+------------------------------+
//
// The formatted area is `length` bytes long, header included; the string set that follows it
// always ends in two zero bytes. Type 127 ends the table.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace dmi {

struct SmbiosStructure {
    uint8_t type = 0;
    uint16_t handle = 0;
    // The formatted area, header included: views into the bytes given to ParseSmbiosTable.
    std::span<const uint8_t> formatted;
};

struct SmbiosTable {
    std::vector<SmbiosStructure> structures; // in table order; empty when the table is invalid
    std::string error;                       // why the table was rejected; empty when valid

    bool Valid() const { return error.empty(); }
};

// Splits the bytes into structures. A table that breaks the layout anywhere is rejected whole,
// since nothing after a broken length can be trusted.
SmbiosTable ParseSmbiosTable(std::span<const uint8_t> bytes);

} // namespace dmi
