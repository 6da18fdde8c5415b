#pragma once

#include "analysis/zerosearch.h"

namespace analysis {

// What the zero search reports when its sign-change scan of the interval from ix1 to ix2 saw
// no sign change: a zero the scan stepped over, or "#" when the interval holds none. Such a
// zero touches 0 without crossing (a zero of even multiplicity, as +-1 of (x^2 - 1)^2) or
// crosses twice within one scan step. Of several, the one nearest to ix1 wins, as in the scan
// (ix1 > ix2 scans downwards). The report has the form of a level-6 report: the zero rounded
// to 6 decimals, and "0". Throws Failure 6 when an evaluation overflows.
ZeroReport reportWithoutSignChange(const Polynomial& y, double ix1, double ix2);

}  // namespace analysis
