#pragma once
// A folder standing for the machine: `msr`, a sparse file standing for the msr device of
// processor 0, with the FID/VID status register's 8 bytes at its offset, and `DMI`, a small
// SMBIOS table. The I/O library takes the folder, the helper the two files.

#include "platform/msrhelper/HelperRecords.h"
#include "tests/dmi/DmiTableBuilder.h"

#include <array>
#include <cstdint>
#include <string>

class StandInMachine {
public:
    StandInMachine();
    ~StandInMachine();
    StandInMachine(const StandInMachine&) = delete;
    StandInMachine& operator=(const StandInMachine&) = delete;

    // The register's bytes, or only the first `count` of them, the file ending there.
    void WriteRegister(const std::array<uint8_t, 8>& bytes, size_t count = 8);
    void WriteTable(const DmiTableBuilder& table);

    const std::string& Folder() const { return m_folder; }
    std::string MsrFile() const { return m_folder + "/msr"; }
    std::string DmiFile() const { return m_folder + "/DMI"; }

private:
    std::string m_folder;
};
