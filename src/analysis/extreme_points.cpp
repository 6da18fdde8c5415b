#include "analysis/extreme_points.h"

#include <cmath>

#include "analysis/slot_roots.h"
#include "base/failure.h"

namespace analysis {
namespace {

// y'' as the run has always computed it for the second-derivative test.
double secondDerivative(const Abl2& k, double x) {
    const double t = (k.a * std::pow(x, 2) + k.b * x) + k.c;
    if (!std::isfinite(t)) throw Failure(failure::Overflow);
    return t;
}

}  // namespace

std::vector<ExtremePoint> extremePoints(std::span<const CriticalSlot> slots,
                                        const Derivatives& abl) {
    std::vector<std::string> shown;
    for (const CriticalSlot& s : slots) shown.push_back(s.shown);
    std::vector<ExtremePoint> points;
    for (const SlotRoot& r : slotRoots(shown)) {
        if (r.count % 2 == 0) continue;
        double t = r.count == 1 ? secondDerivative(abl.abl2, slots[r.slot].x) : 0;
        if (t == 0) t = abl.abl3.a;
        if (t != 0) points.push_back({r.slot, t > 0 ? "min" : "max"});
    }
    return points;
}

}  // namespace analysis
