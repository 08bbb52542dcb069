// Feeds arbitrary bytes to the simulation's reader of the kernel's processor times.
#include "drivers/simulation/CpuLoadMeter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto times = zvsim::ParseProcStat({reinterpret_cast<const char*>(data), size});
    if (times) {
        for (const zvsim::CpuTimes& t : *times) {
            if (t.busy > t.total) {
                std::abort();
            }
        }
    }
    return 0;
}
