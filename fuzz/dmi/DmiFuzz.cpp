// Feeds arbitrary bytes to the SMBIOS table reader as if they were the firmware's DMI table.
#include "platform/dmi/ProcessorClocks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    dmi::ProcessorClocks clocks = dmi::ReadProcessorClocks({data, size});
    if (!clocks.Valid() && !clocks.externalClockMHz.empty()) {
        std::abort();
    }
    return 0;
}
