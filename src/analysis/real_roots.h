#pragma once

#include <vector>

#include "analysis/zerosearch.h"

namespace analysis {

// The distinct real roots of p in [lo, hi] (lo <= hi), ascending. The interval is cut at the
// roots of p' (found the same way, one degree lower), so that p is monotone on each piece: a
// piece whose ends differ in sign holds one simple root, found by bisection and refined by
// Newton's method; a cut or an end at which p is 0 within rounding is a root itself, the only
// way a root of even multiplicity shows. The zero polynomial yields lo alone. Throws Failure 6
// when an evaluation overflows.
std::vector<double> realRoots(const Polynomial& p, double lo, double hi);

}  // namespace analysis
