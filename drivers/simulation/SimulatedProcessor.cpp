#include "drivers/simulation/SimulatedProcessor.h"

#include "drivers/simulation/OnDemandGovernor.h"

#include <algorithm>
#include <vector>

namespace zvsim {

SimulatedProcessor::SimulatedProcessor(const CpuModel& model, std::optional<FidVidTrace> trace,
                                       CpuLoadMeter loadMeter)
    : m_model(model), m_trace(std::move(trace)), m_loadMeter(std::move(loadMeter)),
      m_transitions(model.StartPoint()) {
    if (!m_trace) {
        m_loadMeter.Sample();
    }
}

void SimulatedProcessor::AdvanceTo(uint64_t nowUs) {
    if (m_trace) {
        FollowTrace(nowUs);
    } else {
        FollowLoad(nowUs);
    }
}

size_t SimulatedProcessor::CurrentIndex() const {
    auto at = std::find(m_model.points.begin(), m_model.points.end(), m_transitions.Current());
    return static_cast<size_t>(at - m_model.points.begin());
}

void SimulatedProcessor::FollowLoad(uint64_t nowUs) {
    m_transitions.ApplyUntil(nowUs);
    if (!m_transitions.Idle() || nowUs - m_lastSampleUs < kSamplingUs) {
        return;
    }
    m_lastSampleUs = nowUs;
    std::optional<double> load = m_loadMeter.Sample();
    if (!load) {
        return;
    }
    m_load = *load;
    const size_t current = CurrentIndex();
    const size_t target = OnDemandTarget(m_model, current, m_load);
    std::vector<OperatingPoint> steps;
    for (size_t i = current; i != target;) {
        i = target < current ? i - 1 : i + 1;
        steps.push_back(m_model.points[i]);
    }
    m_transitions.Plan(steps, nowUs);
    m_transitions.ApplyUntil(nowUs);
}

// Walks the trace in time order, so what the register shows at a given time does not depend on
// when it was read before. A point that is superseded while a move is still under way is
// skipped, as a driver would only ever ask for the latest one.
void SimulatedProcessor::FollowTrace(uint64_t nowUs) {
    while (true) {
        m_transitions.ApplyUntil(nowUs);
        if (!m_transitions.Idle()) {
            return;
        }
        const uint64_t from = std::max(m_transitions.IdleSinceUs(), m_traceSeenUs);
        const OperatingPoint target = m_trace->PointAt(from).value_or(m_model.StartPoint());
        if (target != m_transitions.Current()) {
            m_traceSeenUs = from;
            m_transitions.Plan({&target, 1}, from);
            continue;
        }
        const std::optional<uint64_t> next = m_trace->NextTimeAfter(from);
        if (!next || *next > nowUs) {
            return;
        }
        m_traceSeenUs = *next;
    }
}

double SimulatedProcessor::Load() const {
    if (!m_trace) {
        return m_load;
    }
    const int low = m_model.Lowest().fid;
    const int high = m_model.Highest().fid;
    const double place = static_cast<double>(m_transitions.Current().fid - low) / (high - low);
    return std::clamp(place, 0.0, 1.0);
}

uint64_t SimulatedProcessor::FidVidStatus() const {
    const OperatingPoint current = m_transitions.Current();
    const OperatingPoint start = m_model.StartPoint();
    const OperatingPoint highest = m_model.Highest();
    const uint32_t low =
        static_cast<uint32_t>(current.fid) | static_cast<uint32_t>(start.fid) << 8 |
        static_cast<uint32_t>(highest.fid) << 16 | static_cast<uint32_t>(highest.vid) << 24 |
        (m_transitions.Pending() ? 1u : 0u) << 31;
    const uint32_t high = static_cast<uint32_t>(current.vid) |
                          static_cast<uint32_t>(start.vid) << 8 |
                          static_cast<uint32_t>(highest.vid) << 16;
    return uint64_t{high} << 32 | low;
}

} // namespace zvsim
