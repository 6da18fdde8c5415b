#include "analysis/slot_roots.h"

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

std::vector<std::size_t> inflectionSlots(std::span<const std::string> shown) {
    std::vector<std::size_t> slots;
    for (const SlotRoot& r : slotRoots(shown))
        if (r.count % 2 == 1) slots.push_back(r.slot);
    return slots;
}

}  // namespace analysis
