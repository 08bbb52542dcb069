#pragma once
// A family 0Fh processor of one model whose operating point follows either the machine's real
// load, through an on-demand governor sampling every kSamplingUs and moving one table step at
// a time, or a trace, moving straight to each traced point when its time comes. Time is in
// microseconds since the simulation's first use and only ever goes forward.

#include "drivers/simulation/CpuIdLeaves.h"
#include "drivers/simulation/CpuLoadMeter.h"
#include "drivers/simulation/CpuModel.h"
#include "drivers/simulation/FidVidTrace.h"
#include "drivers/simulation/FidVidTransitions.h"

#include <cstdint>
#include <optional>

namespace zvsim {

inline constexpr uint64_t kSamplingUs = 100000;
inline constexpr uint32_t kFidVidStatusMsr = 0xC0010042;

class SimulatedProcessor {
public:
    SimulatedProcessor(const CpuModel& model, std::optional<FidVidTrace> trace,
                       CpuLoadMeter loadMeter);

    void AdvanceTo(uint64_t nowUs);

    // FIDVID_STATUS: CurrFID, StartFID, MaxFID and MaxRampVID in the low half with
    // FidVidPending in bit 31; CurrVID, StartVID and MaxVID in the high half.
    uint64_t FidVidStatus() const;
    std::optional<CpuIdRegisters> CpuId(uint32_t leaf) const { return CpuIdLeaf(m_model, leaf); }

    OperatingPoint Current() const { return m_transitions.Current(); }
    // How busy the simulated core is, from 0 to 1: the measured load, or under a trace the
    // current point's place between the lowest and the highest frequency.
    double Load() const;

private:
    void FollowLoad(uint64_t nowUs);
    void FollowTrace(uint64_t nowUs);
    size_t CurrentIndex() const;

    const CpuModel& m_model;
    std::optional<FidVidTrace> m_trace;
    CpuLoadMeter m_loadMeter;
    FidVidTransitions m_transitions;
    double m_load = 0;
    uint64_t m_lastSampleUs = 0;
    uint64_t m_traceSeenUs = 0;
};

} // namespace zvsim
