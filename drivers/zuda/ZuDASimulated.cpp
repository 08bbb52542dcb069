// The I/O driver library in front of the simulated processor. As with the real device, MSRs
// can be read only while the library is open.
#include "drivers/simulation/Simulation.h"
#include "drivers/zuda/ResultBuffer.h"
#include "drivers/zuda/ZuDA.h"

#include <atomic>

namespace {

std::atomic<bool> opened{false};

} // namespace

int32_t ZUDA_Open(const char*) {
    try {
        opened = zvsim::SimulatedCpuId(0).has_value();
    } catch (...) {
        opened = false;
    }
    return opened;
}

int32_t ZUDA_Close() {
    opened = false;
    return 1;
}

int32_t ZUDA_ReadMSR(uint32_t index, uint8_t* result) {
    if (!opened || result == nullptr) {
        return 0;
    }
    try {
        std::optional<uint64_t> value = zvsim::SimulatedReadMsr(index);
        if (!value) {
            return 0;
        }
        StoreWords(result, static_cast<uint32_t>(*value), static_cast<uint32_t>(*value >> 32));
        return 1;
    } catch (...) {
        return 0;
    }
}

int32_t ZUDA_GetCpuID(uint32_t leaf, uint8_t* result) {
    if (result == nullptr) {
        return 0;
    }
    try {
        std::optional<zvsim::CpuIdRegisters> registers = zvsim::SimulatedCpuId(leaf);
        if (!registers) {
            return 0;
        }
        StoreCpuIdResult(result, registers->ebx, registers->edx);
        return 1;
    } catch (...) {
        return 0;
    }
}
