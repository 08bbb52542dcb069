#include "drivers/simulation/OnDemandGovernor.h"

namespace zvsim {

namespace {

constexpr double kUpThreshold = 0.80;
constexpr double kDownThreshold = 0.70;

} // namespace

size_t OnDemandTarget(const CpuModel& model, size_t current, double load) {
    if (load > kUpThreshold) {
        return 0;
    }
    if (load >= kDownThreshold) {
        return current;
    }
    // The load scaled to the frequency that would run it at the down threshold.
    const double needed = MegahertzOf(model.points[current].fid) * load / kDownThreshold;
    size_t target = current;
    while (target + 1 < model.points.size() &&
           MegahertzOf(model.points[target + 1].fid) >= needed) {
        ++target;
    }
    return target;
}

} // namespace zvsim
