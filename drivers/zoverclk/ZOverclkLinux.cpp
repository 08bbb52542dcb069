// The board's ACPI interface library on a Linux machine: the feature counts as enabled where
// the kernel scales the processor's frequency, the external clock comes from the SMBIOS table
// and the core voltage from a hardware monitor.
#include "drivers/zoverclk/LinuxBoard.h"
#include "drivers/zoverclk/ZOverclk.h"

#include <algorithm>

namespace {

const LinuxBoard& Board() {
    static const LinuxBoard board("/");
    return board;
}

// Read once, so that the count and the entries the program fetches next always agree.
const std::vector<uint16_t>& ExternalClocks() {
    static const std::vector<uint16_t> list = Board().ExternalClockList();
    return list;
}

} // namespace

int32_t OCAPI_Initialization() {
    try {
        return Board().HasCpufreq() || Board().VcoreInput().has_value();
    } catch (...) {
        return 0;
    }
}

int32_t OCAPI_Close() {
    return 1;
}

int32_t OCAPI_ACPI_OC_CheckWorkable(uint32_t option, int32_t* workable) {
    if (workable == nullptr) {
        return 0;
    }
    *workable = option == kOptionFeatureEnabled && Board().HasCpufreq();
    return 1;
}

uint32_t OCAPI_ACPI_OC_GetCurrentOption(uint32_t option) {
    return option == kOptionFeatureEnabled && Board().HasCpufreq();
}

int32_t OCAPI_GetACPIOCList(uint32_t list, uint16_t* entries) {
    if (list != kListExternalClocks) {
        return 0;
    }
    try {
        const std::vector<uint16_t>& clocks = ExternalClocks();
        if (entries != nullptr) {
            std::copy(clocks.begin(), clocks.end(), entries);
        }
        return static_cast<int32_t>(clocks.size());
    } catch (...) {
        return 0;
    }
}

int32_t OCAPI_GetSingleHealthData(uint32_t item) {
    if (item != kItemCoreVoltage) {
        return 0;
    }
    try {
        return Board().VcoreMillivolts();
    } catch (...) {
        return 0;
    }
}
