#pragma once
// The processor's operating point in time. A move from one point to the next is a timed
// sequence, during which the status register's FidVidPending bit stays set:
//
//   up   (higher FID): VID ramp, one code per kVidCodeUs, then kVoltageSettleUs;
//                      then the FID change after kPllLockUs, then kIsochronousReliefUs
//   down (lower FID):  the FID change first, then the VID ramp and settling
//
// so the core never runs a frequency at a voltage too low for it. Moves are planned ahead as
// timed changes and applied when time reaches them.

#include "drivers/simulation/OperatingPoint.h"

#include <cstdint>
#include <deque>
#include <span>

namespace zvsim {

inline constexpr uint64_t kVidCodeUs = 20;
inline constexpr uint64_t kVoltageSettleUs = 100;
inline constexpr uint64_t kPllLockUs = 50;
inline constexpr uint64_t kIsochronousReliefUs = 80;

class FidVidTransitions {
public:
    explicit FidVidTransitions(OperatingPoint start) : m_current(start) {}

    OperatingPoint Current() const { return m_current; }
    bool Pending() const { return m_pending; }
    // No move is planned; since IdleSinceUs() the point has not changed.
    bool Idle() const { return m_plan.empty(); }
    uint64_t IdleSinceUs() const { return m_idleSinceUs; }

    // Plans moves through `steps` one after the other, starting at `startUs`; only while idle.
    void Plan(std::span<const OperatingPoint> steps, uint64_t startUs);
    // Applies every planned change due at or before `nowUs`.
    void ApplyUntil(uint64_t nowUs);

private:
    struct Change {
        uint64_t atUs;
        OperatingPoint point;
        bool pending;
    };

    uint64_t PlanVoltage(OperatingPoint& point, int vid, uint64_t at);
    uint64_t PlanFrequency(OperatingPoint& point, int fid, uint64_t at);

    OperatingPoint m_current;
    bool m_pending = false;
    uint64_t m_idleSinceUs = 0;
    std::deque<Change> m_plan;
};

} // namespace zvsim
