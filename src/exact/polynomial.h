#pragma once

#include <vector>

#include "exact/rational.h"

namespace exact {

// A polynomial with rational coefficients, coefficients[k] belonging to x^k, without trailing
// zeros (the zero polynomial has none).
struct Polynomial {
    std::vector<Rational> coefficients;

    int degree() const { return static_cast<int>(coefficients.size()) - 1; }  // -1 for 0
    Rational coefficient(int power) const {
        return power >= 0 && power <= degree() ? coefficients[static_cast<std::size_t>(power)]
                                               : Rational();
    }
};

}  // namespace exact
