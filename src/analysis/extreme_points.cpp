#include "analysis/extreme_points.h"

#include <algorithm>
#include <utility>

#include "analysis/polynomial_ops.h"
#include "analysis/simple_roots.h"
#include "analysis/slot_roots.h"
#include "base/failure.h"

namespace analysis {
namespace {

// Every filled slot, labelled by the way y' changes sign there. Above its largest root y' has
// the sign of its leading coefficient, and each root going down flips it: the largest root is a
// minimum where that coefficient is positive, the next one a maximum, and so on. Slots that
// show the same x are taken in slot order.
std::vector<ExtremePoint> bySignChange(std::span<const CriticalSlot> slots,
                                       const std::vector<std::size_t>& filled, double leading) {
    std::vector<std::size_t> ascending = filled;
    std::stable_sort(ascending.begin(), ascending.end(),
                     [&](std::size_t i, std::size_t j) { return slots[i].x < slots[j].x; });
    std::vector<ExtremePoint> points;
    for (std::size_t slot : filled) {
        const auto below = std::find(ascending.begin(), ascending.end(), slot) - ascending.begin();
        const std::size_t above = ascending.size() - 1 - static_cast<std::size_t>(below);
        points.push_back({slot, (leading > 0) == (above % 2 == 0) ? "min" : "max"});
    }
    return points;
}

}  // namespace

std::vector<ExtremePoint> extremePoints(std::span<const CriticalSlot> slots,
                                        const Derivatives& abl) {
    const Abl1& k = abl.abl1;
    const Polynomial y1{0, k.a, k.b, k.c, k.d};
    std::vector<std::size_t> filled;
    for (std::size_t i = 0; i < slots.size(); ++i)
        if (!slots[i].shown.empty()) filled.push_back(i);
    if (std::cmp_equal(filled.size(), degree(y1)) && simpleRealRootsOnly(y1))
        return bySignChange(slots, filled, leadingCoefficient(y1));

    std::vector<std::string> shown;
    for (const CriticalSlot& s : slots) shown.push_back(s.shown);
    std::vector<ExtremePoint> points;
    for (const SlotRoot& r : slotRoots(shown)) {
        if (r.count % 2 == 0) continue;
        double t =
            r.count == 1 ? checkFinite(secondDerivativeByPowers(abl.abl2, slots[r.slot].x)) : 0;
        if (t == 0) t = abl.abl3.a;
        if (t != 0) points.push_back({r.slot, t > 0 ? "min" : "max"});
    }
    return points;
}

}  // namespace analysis
