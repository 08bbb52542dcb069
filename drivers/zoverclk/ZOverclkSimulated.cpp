// The simulated board: its BIOS option, its external-clock list and its core-voltage sensor,
// which measures the simulated processor's voltage.
#include "drivers/simulation/Simulation.h"
#include "drivers/zoverclk/ZOverclk.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>

namespace {

constexpr std::array<uint16_t, 7> kExternalClocks = {20000, 20050, 20100, 20200,
                                                     20500, 21000, 22000};

std::optional<zvsim::BoardReading> Board() {
    try {
        return zvsim::SimulatedBoard();
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace

int32_t OCAPI_Initialization() {
    std::optional<zvsim::BoardReading> board = Board();
    return board && board->acpiSupported;
}

int32_t OCAPI_Close() {
    return 1;
}

int32_t OCAPI_ACPI_OC_CheckWorkable(uint32_t option, int32_t* workable) {
    if (workable == nullptr) {
        return 0;
    }
    *workable = Board() && option == kOptionFeatureEnabled;
    return 1;
}

uint32_t OCAPI_ACPI_OC_GetCurrentOption(uint32_t option) {
    std::optional<zvsim::BoardReading> board = Board();
    if (!board) {
        return 0;
    }
    switch (option) {
    case kOptionFeatureEnabled:
        return board->biosEnabled;
    case kOptionExternalClockIndex:
        return board->fsbIndex;
    default:
        return 0;
    }
}

int32_t OCAPI_GetACPIOCList(uint32_t list, uint16_t* entries) {
    if (list != kListExternalClocks || !Board()) {
        return 0;
    }
    if (entries != nullptr) {
        std::copy(kExternalClocks.begin(), kExternalClocks.end(), entries);
    }
    return static_cast<int32_t>(kExternalClocks.size());
}

int32_t OCAPI_GetSingleHealthData(uint32_t item) {
    std::optional<zvsim::BoardReading> board = Board();
    if (!board || item != kItemCoreVoltage) {
        return 0;
    }
    return board->vcoreMillivolts;
}
