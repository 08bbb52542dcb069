#pragma once
// The identification leaves a simulated processor answers, register by register.

#include "drivers/simulation/CpuModel.h"

#include <cstdint>
#include <optional>

namespace zvsim {

struct CpuIdRegisters {
    uint32_t eax = 0;
    uint32_t ebx = 0;
    uint32_t ecx = 0;
    uint32_t edx = 0;
};

// Leaves above the highest standard or extended leaf do not exist and give nothing; leaves in
// range that the model does not describe read as zero, as reserved leaves do.
std::optional<CpuIdRegisters> CpuIdLeaf(const CpuModel& model, uint32_t leaf);

} // namespace zvsim
