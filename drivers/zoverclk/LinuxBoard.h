#pragma once
// What a Linux machine tells of its board through sysfs: whether the kernel scales the first
// processor's frequency (cpufreq), the core voltage from a hardware monitor input labelled
// Vcore, and the external clock the firmware's SMBIOS table reports. All paths are taken under
// one root folder, "/" on a real machine.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

class LinuxBoard {
public:
    explicit LinuxBoard(std::filesystem::path root) : m_root(std::move(root)) {}

    bool HasCpufreq() const;
    // The input file of the first hardware monitor voltage labelled Vcore.
    std::optional<std::filesystem::path> VcoreInput() const;
    // The Vcore reading in millivolts; 0 without one.
    int32_t VcoreMillivolts() const;
    // The SMBIOS external clock in hundredths of a MHz, as the one entry of the board's list;
    // empty when the table cannot be read or reports no clock.
    std::vector<uint16_t> ExternalClockList() const;

private:
    std::filesystem::path m_root;
};
