// Feeds arbitrary bytes to the simulation's trace reader as if they were a trace file.
#include "drivers/simulation/FidVidTrace.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zvsim::TraceReading reading =
        zvsim::ParseFidVidTrace({reinterpret_cast<const char*>(data), size}, "fuzz.trace");
    if (reading.Valid() == reading.trace.points.empty()) {
        std::abort();
    }
    for (size_t i = 1; i < reading.trace.points.size(); ++i) {
        if (reading.trace.points[i].timeUs <= reading.trace.points[i - 1].timeUs) {
            std::abort();
        }
    }
    return 0;
}
