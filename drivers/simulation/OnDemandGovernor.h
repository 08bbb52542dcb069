#pragma once
// Chooses the operating point as the kernel's on-demand governor does: straight to the highest
// point when the processor is busy, down to the lowest point that would still carry the load
// when it is idle enough, and no change in between.

#include "drivers/simulation/CpuModel.h"

#include <cstddef>

namespace zvsim {

// `current` and the result index the model's points (highest first); `load` is from 0 to 1.
size_t OnDemandTarget(const CpuModel& model, size_t current, double load);

} // namespace zvsim
