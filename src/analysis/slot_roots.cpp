#include "analysis/slot_roots.h"

#include <utility>

#include "analysis/polynomial_ops.h"
#include "analysis/simple_roots.h"

namespace analysis {

std::vector<SlotRoot> slotRoots(std::span<const std::string> shown) {
    std::vector<SlotRoot> roots;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i].empty()) continue;
        bool seen = false;
        for (SlotRoot& r : roots)
            if (shown[r.slot] == shown[i]) {
                ++r.count;
                seen = true;
            }
        if (!seen) roots.push_back({i, 1});
    }
    return roots;
}

std::vector<std::size_t> inflectionSlots(std::span<const std::string> shown, const Abl2& y2) {
    std::vector<std::size_t> filled;
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (!shown[i].empty()) filled.push_back(i);
    const Polynomial p{0, 0, y2.a, y2.b, y2.c};
    if (std::cmp_equal(filled.size(), degree(p)) && simpleRealRootsOnly(p)) return filled;
    std::vector<std::size_t> slots;
    for (const SlotRoot& r : slotRoots(shown))
        if (r.count % 2 == 1) slots.push_back(r.slot);
    return slots;
}

}  // namespace analysis
