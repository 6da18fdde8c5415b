#pragma once

#include <stdexcept>
#include <vector>

// Polynomials with whole coefficients in 128-bit arithmetic, exact: what the reference uses to
// tell multiple roots from close ones. Every operation throws ExactOverflow rather than wrap.
namespace reference {

__extension__ typedef __int128 Whole;

struct ExactOverflow : std::runtime_error {
    ExactOverflow() : std::runtime_error("128-bit overflow") {}
};

// Coefficients from the constant term up; no trailing zeros, so that the zero polynomial is
// empty.
using WholePoly = std::vector<Whole>;

int degreeOf(const WholePoly& p);
WholePoly derivativeOf(const WholePoly& p);
// p divided by the greatest common divisor of its coefficients, leading coefficient positive.
WholePoly primitive(const WholePoly& p);
// The greatest common divisor, primitive.
WholePoly gcdOf(WholePoly a, WholePoly b);
// a / b for a b that divides a, both primitive; the quotient is primitive (Gauss's lemma).
WholePoly exactQuotient(const WholePoly& a, const WholePoly& b);
// The number of distinct real roots of a polynomial without multiple roots (Sturm's theorem).
int distinctRealRootCount(const WholePoly& squareFree);

}  // namespace reference
