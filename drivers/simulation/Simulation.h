#pragma once
// The one simulated machine of the process. The simulated processor library and the simulated
// board library both link this library, so they see the same processor: the board's core
// voltage follows the processor's VID. The machine is built on first use from the
// environment (see SimulationSettings.h); a bad setting is reported once on standard error,
// and the processor and the board then behave as absent.

#include "drivers/simulation/CpuIdLeaves.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace zvsim {

// Nothing when no processor is simulated or the leaf does not exist.
std::optional<CpuIdRegisters> SimulatedCpuId(uint32_t leaf);
// Nothing when no processor is simulated or the register does not exist.
std::optional<uint64_t> SimulatedReadMsr(uint32_t index);

struct BoardReading {
    bool acpiSupported = true;
    bool biosEnabled = true;
    uint32_t fsbIndex = 0;
    // The regulator's output as the board's sensor measures it: the VID voltage less a droop
    // that grows with the load, so it is never exactly the voltage asked for.
    int32_t vcoreMillivolts = 0;
};

// Nothing when no machine is simulated.
std::optional<BoardReading> SimulatedBoard();

// Test seams. Resetting drops the machine, so the next use builds a new one from the
// environment as it is then; a clock function replaces the steady clock (microseconds); a
// path replaces /proc/stat. Empty values restore the real ones.
void ResetSimulationForTesting();
void SetSimulationClockForTesting(std::function<uint64_t()> nowUs);
void SetProcStatPathForTesting(std::string path);

} // namespace zvsim
