#pragma once

#include "analysis/zerosearch.h"

namespace analysis {

// True when p, of degree 1 to 3, has as many distinct real roots as its degree: then p changes
// sign at every root, however close two of them lie. Decided by the sign of p's discriminant,
// computed in whole numbers without rounding from the coefficients as the terms show them, each
// to 15 significant digits. So a double root of the typed decimals stays double even where their
// binary rounding splits it in two (y' = 2,1x^2 - 4,2x + 2,1 of y = 0,7x^3 - 2,1x^2 + 2,1x), and
// two roots 1E-12 apart stay two. False for any other degree and for coefficients that are not
// finite.
bool simpleRealRootsOnly(const Polynomial& p);

}  // namespace analysis
