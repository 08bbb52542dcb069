#pragma once
// Builds small SMBIOS structure tables for tests: each call appends one structure.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

class DmiTableBuilder {
public:
    // A structure of the given type and formatted length (header included), zero-filled after
    // the header, followed by its string set.
    DmiTableBuilder& Structure(uint8_t type, uint8_t length,
                               std::initializer_list<std::string> strings = {}) {
        const size_t start = bytes.size();
        bytes.resize(start + (length < 4 ? 4 : length), 0);
        bytes[start] = type;
        bytes[start + 1] = length;
        bytes[start + 2] = static_cast<uint8_t>(nextHandle);
        bytes[start + 3] = static_cast<uint8_t>(nextHandle >> 8);
        ++nextHandle;
        for (const std::string& s : strings) {
            bytes.insert(bytes.end(), s.begin(), s.end());
            bytes.push_back(0);
        }
        if (strings.size() == 0) {
            bytes.push_back(0);
        }
        bytes.push_back(0);
        return *this;
    }

    // A Processor Information structure (SMBIOS 2.6 layout) reporting `clockMHz`.
    DmiTableBuilder& Processor(uint16_t clockMHz, uint8_t length = 0x28) {
        const size_t start = bytes.size();
        Structure(4, length, {"CPU 1", "AuthenticAMD"});
        bytes[start + 4] = 1; // socket designation: string 1
        bytes[start + 7] = 2; // manufacturer: string 2
        if (length >= 0x14) {
            bytes[start + 0x12] = static_cast<uint8_t>(clockMHz);
            bytes[start + 0x13] = static_cast<uint8_t>(clockMHz >> 8);
        }
        return *this;
    }

    DmiTableBuilder& EndOfTable() { return Structure(127, 4); }

    std::vector<uint8_t> bytes;

private:
    uint16_t nextHandle = 0;
};
