#include "hardware/ProcessorCapability.h"

#include "hardware/IoAccess.h"

int32_t BrandCode = 0;

bool Prepare() {
    DWORD word0 = 0;
    DWORD word1 = 0;
    if (!QueryCpuId(0x80000007, word0, word1)) {
        return false;
    }
    return ((word1 & 6) >> 1) == 3;
}

int32_t GetBrandCode() {
    DWORD word0 = 0;
    DWORD word1 = 0;
    if (!QueryCpuId(0x80000001, word0, word1)) {
        return 0;
    }
    return static_cast<int32_t>(((word0 & 0x3F) << 2) & 0xFF);
}
