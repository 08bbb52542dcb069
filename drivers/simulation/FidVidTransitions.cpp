#include "drivers/simulation/FidVidTransitions.h"

namespace zvsim {

uint64_t FidVidTransitions::PlanVoltage(OperatingPoint& point, int vid, uint64_t at) {
    if (point.vid == vid) {
        return at;
    }
    while (point.vid != vid) {
        point.vid += point.vid < vid ? 1 : -1;
        at += kVidCodeUs;
        m_plan.push_back({at, point, true});
    }
    return at + kVoltageSettleUs;
}

uint64_t FidVidTransitions::PlanFrequency(OperatingPoint& point, int fid, uint64_t at) {
    if (point.fid == fid) {
        return at;
    }
    point.fid = fid;
    m_plan.push_back({at + kPllLockUs, point, true});
    return at + kPllLockUs + kIsochronousReliefUs;
}

void FidVidTransitions::Plan(std::span<const OperatingPoint> steps, uint64_t startUs) {
    if (!m_plan.empty() || steps.empty()) {
        return;
    }
    OperatingPoint point = m_current;
    uint64_t at = startUs;
    m_plan.push_back({at, point, true});
    for (const OperatingPoint& step : steps) {
        if (step.fid > point.fid) {
            at = PlanVoltage(point, step.vid, at);
            at = PlanFrequency(point, step.fid, at);
        } else {
            at = PlanFrequency(point, step.fid, at);
            at = PlanVoltage(point, step.vid, at);
        }
    }
    m_plan.push_back({at, point, false});
}

void FidVidTransitions::ApplyUntil(uint64_t nowUs) {
    while (!m_plan.empty() && m_plan.front().atUs <= nowUs) {
        m_current = m_plan.front().point;
        m_pending = m_plan.front().pending;
        m_idleSinceUs = m_plan.front().atUs;
        m_plan.pop_front();
    }
}

} // namespace zvsim
