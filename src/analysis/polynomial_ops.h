#pragma once

#include "analysis/derivative_terms.h"
#include "analysis/zerosearch.h"

// Plain arithmetic on y = A*x^4 + B*x^3 + C*x^2 + D*x + E, for the checks that sit beside the
// closed-form solvers: a polynomial of lower degree has its leading values 0.
namespace analysis {

// The highest power with a coefficient other than 0; -1 for the zero polynomial.
int degree(const Polynomial& p);

// The ways the program evaluates a polynomial, one function each. They round differently, and
// results depend on it: values shown to 4 or 6 decimals, the sign near a root, which of two
// close candidates wins. None checks for an overflow; their callers do.

// (((A*x + B)*x + C)*x + D)*x + E, Horner's scheme: the fewest roundings, with an error bound
// that zeroWithinRounding states on the same scheme. The checks beside the closed-form solvers
// use it (P01 and Newton's steps from it, the zeros the scan stepped over), so whether a P01 is
// kept or replaced and the six decimals of such a zero follow from it.
double valueByHorner(const Polynomial& p, double x);

// (((A*x^4 + B*x^3) + C*x^2) + D*x) + E, each power by the power function, summed from the left:
// the old program's y(x). The y of the extreme and inflection points of degree 4 is shown from
// it to 4 decimals, and where a value lies near a half in the fourth decimal its rounding
// decides the digit.
double valueByPowers(const Polynomial& p, double x);

// ((B*x^3 + C*x^2) + D*x) + E, rounded as valueByPowers: its y for degrees 3 and 2, where A is 0.
// The term 0*x^4 would turn a finite value into NaN (an overflow) once x^4 overflows, for |x|
// above about 1E+77, so it is left out.
double cubicValueByPowers(const Polynomial& p, double x);

// A*x*x*x*x + B*x*x*x + C*x*x + D*x + E, each product and the sum from the left: the old zero
// scan's y(x). Its signs and its test |y1 - y2| < 1E-8 decide which zero the scan reports.
double valueByRepeatedProducts(const Polynomial& p, double x);

// (Abl2A*x^2 + Abl2B*x) + Abl2C, the square by the power function: the old program's y''(x). Its
// sign labels an extreme point min or max, and where it is 0 the label comes from y'''' instead:
// next to a saddle its rounding decides the label.
double secondDerivativeByPowers(const Abl2& k, double x);

// The coefficient of the highest power that is not 0 (0 for the zero polynomial).
double leadingCoefficient(const Polynomial& p);

// The coefficients of p'.
Polynomial derivative(const Polynomial& p);

// True when p(x) is 0 within the rounding of its evaluation: |p(x)| is at most 1e-12 of
// the sum of the terms' magnitudes. This is how a zero of even multiplicity shows, since p does
// not change sign there and a sign test cannot see it.
bool zeroWithinRounding(const Polynomial& p, double x);

}  // namespace analysis
