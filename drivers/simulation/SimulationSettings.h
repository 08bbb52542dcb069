#pragma once
// What the environment asks the simulation to be:
//
//   HUSHWAVE_SIM_MODEL      a model name (default athlon64-3200)
//   HUSHWAVE_SIM_TRACE      a trace file to follow instead of the machine's load
//   HUSHWAVE_SIM_BIOS       enabled (default) or disabled: the board's feature option
//   HUSHWAVE_SIM_ACPI       supported (default) or unsupported: the board's interface
//   HUSHWAVE_SIM_FSB_INDEX  the external-clock list index in force (default 0), any 32-bit value
//
// An unset or empty variable takes its default.

#include "drivers/simulation/CpuModel.h"
#include "drivers/simulation/FidVidTrace.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace zvsim {

struct SimulationSettings {
    const CpuModel* model = nullptr;
    std::optional<FidVidTrace> trace;
    bool biosEnabled = true;
    bool acpiSupported = true;
    uint32_t fsbIndex = 0;
};

struct SettingsReading {
    SimulationSettings settings;
    std::string error; // one line naming the variable (and file and line); empty when all good

    bool Valid() const { return error.empty(); }
};

using EnvironmentLookup = std::function<const char*(const char* name)>;

SettingsReading ReadSimulationSettings(const EnvironmentLookup& lookup);

} // namespace zvsim
