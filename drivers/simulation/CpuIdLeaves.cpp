#include "drivers/simulation/CpuIdLeaves.h"

namespace zvsim {

namespace {

constexpr uint32_t kHighestStandardLeaf = 1;
constexpr uint32_t kHighestExtendedLeaf = 0x80000008;

// "AuthenticAMD" as EBX, EDX, ECX hold it.
constexpr uint32_t kVendorEbx = 0x68747541;
constexpr uint32_t kVendorEdx = 0x69746E65;
constexpr uint32_t kVendorEcx = 0x444D4163;

constexpr uint32_t kStandardFeatures = 0x078BFBFF; // fpu to sse2, msr among them
constexpr uint32_t kExtendedFeatures = 0xE3D3FBFF; // syscall nx mmxext lm 3dnowext 3dnow
constexpr uint32_t kClflushLineSize = 8 << 8;      // 64-byte lines
constexpr uint32_t kAddressSizes = 0x3028;         // 40 physical, 48 virtual bits
// Temperature sensor, FID control, VID control and thermal trip.
constexpr uint32_t kPowerManagement = 0x0F;

// Four characters of the brand string, starting at `offset`, packed as a register holds them.
uint32_t BrandChars(const CpuModel& model, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) {
        const size_t at = offset + i;
        const uint8_t c = at < model.brandString.size() ? model.brandString[at] : 0;
        value |= uint32_t{c} << (8 * i);
    }
    return value;
}

CpuIdRegisters BrandLeaf(const CpuModel& model, uint32_t part) {
    const size_t base = 16 * part;
    return {BrandChars(model, base), BrandChars(model, base + 4), BrandChars(model, base + 8),
            BrandChars(model, base + 12)};
}

} // namespace

std::optional<CpuIdRegisters> CpuIdLeaf(const CpuModel& model, uint32_t leaf) {
    const bool extended = leaf >= 0x80000000;
    if (leaf > (extended ? kHighestExtendedLeaf : kHighestStandardLeaf)) {
        return std::nullopt;
    }
    switch (leaf) {
    case 0:
        return CpuIdRegisters{kHighestStandardLeaf, kVendorEbx, kVendorEcx, kVendorEdx};
    case 1:
        return CpuIdRegisters{model.signature, kClflushLineSize, 0, kStandardFeatures};
    case 0x80000000:
        return CpuIdRegisters{kHighestExtendedLeaf, kVendorEbx, kVendorEcx, kVendorEdx};
    case 0x80000001: {
        const uint32_t brandId = uint32_t{model.brandTableIndex} << 6 | model.modelNumber;
        return CpuIdRegisters{model.signature, brandId, 0, kExtendedFeatures};
    }
    case 0x80000002:
    case 0x80000003:
    case 0x80000004:
        return BrandLeaf(model, leaf - 0x80000002);
    case 0x80000007:
        return CpuIdRegisters{0, 0, 0, kPowerManagement};
    case 0x80000008:
        return CpuIdRegisters{kAddressSizes, 0, 0, 0};
    default:
        return CpuIdRegisters{};
    }
}

} // namespace zvsim
