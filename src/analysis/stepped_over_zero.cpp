#include "analysis/stepped_over_zero.h"

#include <algorithm>

#include "analysis/real_roots.h"
#include "base/numtext.h"

namespace analysis {

ZeroReport reportWithoutSignChange(const Polynomial& y, double ix1, double ix2) {
    const std::vector<double> roots = realRoots(y, std::min(ix1, ix2), std::max(ix1, ix2));
    if (roots.empty()) return {true, "#", ""};
    const double zero = ix1 <= ix2 ? roots.front() : roots.back();
    return {true, numtext::format(numtext::roundTo(zero, 6)), "0"};
}

}  // namespace analysis
