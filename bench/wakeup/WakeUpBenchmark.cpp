// One wake-up of the message loop for a 10 ms timer whose handler does nothing, on the headless
// window system with a descriptor watched (as the program watches its message socket): what
// the loop itself costs each time the timer falls due, the wait's own sleep left out by a
// virtual clock.

#include "platform/kernel/Clock.h"
#include "platform/window/MessageLoop.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

void BM_EmptyTenMillisecondWakeUp(benchmark::State& state) {
    VirtualClock clock;
    SetClock(&clock);
    MessageLoop& loop = MessageLoop::Instance();
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        state.SkipWithError("no pipe");
        return;
    }
    loop.WatchReadable(pipeEnds[0], [] {});
    int64_t fired = 0;
    loop.SetTimer(10, [&fired] { ++fired; });
    for (auto _ : state) {
        loop.HandleMessage(true);
    }
    state.counters["timer calls per wake-up"] =
        benchmark::Counter(static_cast<double>(fired) / static_cast<double>(state.iterations()));
    loop.Reset();
    SetClock(nullptr);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
}
BENCHMARK(BM_EmptyTenMillisecondWakeUp);

} // namespace

BENCHMARK_MAIN();
