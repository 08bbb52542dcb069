#include "drivers/simulation/Simulation.h"

#include "drivers/simulation/SimulatedProcessor.h"
#include "drivers/simulation/SimulationSettings.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>

namespace zvsim {

namespace {

constexpr const char* kProcStat = "/proc/stat";
constexpr double kIdleDroopMillivolts = 8;
constexpr double kFullLoadDroopMillivolts = 25;

uint64_t SteadyMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

struct Machine {
    SimulationSettings settings;
    std::optional<SimulatedProcessor> processor; // empty when the settings were bad
    uint64_t epochUs = 0;
};

struct SimulationState {
    std::mutex lock;
    std::unique_ptr<Machine> machine;
    std::function<uint64_t()> clock;
    std::string procStatPath;
};

SimulationState& State() {
    static SimulationState state;
    return state;
}

uint64_t Now(const SimulationState& state) {
    return state.clock ? state.clock() : SteadyMicroseconds();
}

// With the lock held: the machine, built on first use, advanced to now.
Machine& CurrentMachine(SimulationState& state) {
    if (!state.machine) {
        state.machine = std::make_unique<Machine>();
        Machine& machine = *state.machine;
        SettingsReading reading =
            ReadSimulationSettings([](const char* name) { return std::getenv(name); });
        if (!reading.Valid()) {
            std::fprintf(stderr, "hushwave simulation: %s; no processor is simulated\n",
                         reading.error.c_str());
        } else {
            machine.settings = std::move(reading.settings);
            const std::string& path = state.procStatPath.empty() ? kProcStat : state.procStatPath;
            machine.processor.emplace(*machine.settings.model, machine.settings.trace,
                                      CpuLoadMeter(path));
        }
        machine.epochUs = Now(state);
    }
    Machine& machine = *state.machine;
    if (machine.processor) {
        const uint64_t now = Now(state);
        machine.processor->AdvanceTo(now > machine.epochUs ? now - machine.epochUs : 0);
    }
    return machine;
}

} // namespace

std::optional<CpuIdRegisters> SimulatedCpuId(uint32_t leaf) {
    SimulationState& state = State();
    std::lock_guard guard(state.lock);
    Machine& machine = CurrentMachine(state);
    if (!machine.processor) {
        return std::nullopt;
    }
    return machine.processor->CpuId(leaf);
}

std::optional<uint64_t> SimulatedReadMsr(uint32_t index) {
    SimulationState& state = State();
    std::lock_guard guard(state.lock);
    Machine& machine = CurrentMachine(state);
    if (!machine.processor || index != kFidVidStatusMsr) {
        return std::nullopt;
    }
    return machine.processor->FidVidStatus();
}

std::optional<BoardReading> SimulatedBoard() {
    SimulationState& state = State();
    std::lock_guard guard(state.lock);
    Machine& machine = CurrentMachine(state);
    if (!machine.processor) {
        return std::nullopt;
    }
    const SimulatedProcessor& processor = *machine.processor;
    const double droop =
        kIdleDroopMillivolts + (kFullLoadDroopMillivolts - kIdleDroopMillivolts) * processor.Load();
    BoardReading board;
    board.acpiSupported = machine.settings.acpiSupported;
    board.biosEnabled = machine.settings.biosEnabled;
    board.fsbIndex = machine.settings.fsbIndex;
    board.vcoreMillivolts =
        static_cast<int32_t>(std::lround(MillivoltsOf(processor.Current().vid) - droop));
    return board;
}

void ResetSimulationForTesting() {
    SimulationState& state = State();
    std::lock_guard guard(state.lock);
    state.machine.reset();
}

void SetSimulationClockForTesting(std::function<uint64_t()> nowUs) {
    SimulationState& state = State();
    std::lock_guard guard(state.lock);
    state.clock = std::move(nowUs);
}

void SetProcStatPathForTesting(std::string path) {
    SimulationState& state = State();
    std::lock_guard guard(state.lock);
    state.procStatPath = std::move(path);
}

} // namespace zvsim
