#pragma once
// The processors the simulation can stand for, with the operating points the real parts offer.

#include "drivers/simulation/OperatingPoint.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace zvsim {

struct CpuModel {
    std::string_view name;
    std::string_view brandString;
    uint32_t signature = 0;             // CPUID 1 EAX: stepping, model and family 0Fh
    uint8_t brandTableIndex = 0;        // 0x80000001 EBX[11:6]
    uint8_t modelNumber = 0;            // 0x80000001 EBX[5:0], the "NN" of the model name
    bool mobile = false;                // mobile parts start at their lowest point
    std::vector<OperatingPoint> points; // highest frequency first

    const OperatingPoint& Highest() const { return points.front(); }
    const OperatingPoint& Lowest() const { return points.back(); }
    // Desktop parts come out of reset at their highest point, mobile parts at their lowest.
    const OperatingPoint& StartPoint() const { return mobile ? Lowest() : Highest(); }
};

// Every model; the first one is the default.
const std::vector<CpuModel>& CpuModels();
const CpuModel* FindCpuModel(std::string_view name);

} // namespace zvsim
