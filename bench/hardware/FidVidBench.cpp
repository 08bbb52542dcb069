// The cost of one FID/VID reading through the simulated processor library with the log off,
// against an empty call through an entry point looked up in the same library.
#include "app/Log.h"
#include "hardware/FidVidStatus.h"
#include "hardware/IoAccess.h"
#include "hardware/VIDVolts.h"
#include "platform/kernel/Process.h"

#include <benchmark/benchmark.h>

namespace {

bool BindSimulatedLibrary() {
    static const bool bound = [] {
        SetExeNameForTesting(std::string(SIMULATED_DRIVERS_DIR) + "/hushwave");
        bIsNT = true;
        bDebugLog = false;
        FillVIDVolts();
        return LoadIODLL("");
    }();
    return bound;
}

void GetFidVidThroughSimulatedLibrary(benchmark::State& state) {
    if (!BindSimulatedLibrary()) {
        state.SkipWithError("the simulated ZuDA library cannot be loaded");
        return;
    }
    FIDVIDCodes FID, VID;
    for (auto _ : state) {
        bool read = Get_FIDVID(FID, VID);
        benchmark::DoNotOptimize(read);
        benchmark::DoNotOptimize(FID);
        benchmark::DoNotOptimize(VID);
    }
}
BENCHMARK(GetFidVidThroughSimulatedLibrary);

// ZUDA_InPortB refuses at once: a call that does nothing, through a looked-up entry point.
void EmptyCallThroughEntryPoint(benchmark::State& state) {
    if (!BindSimulatedLibrary() || pZUDA_InPortB == nullptr) {
        state.SkipWithError("the simulated ZuDA library cannot be loaded");
        return;
    }
    auto inPort = reinterpret_cast<BOOL (*)(WORD port, BYTE * value)>(pZUDA_InPortB);
    BYTE value = 0;
    for (auto _ : state) {
        BOOL result = inPort(0x80, &value);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(EmptyCallThroughEntryPoint);

} // namespace

BENCHMARK_MAIN();
