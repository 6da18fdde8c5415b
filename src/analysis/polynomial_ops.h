#pragma once

#include "analysis/zerosearch.h"

// Plain arithmetic on y = A*x^4 + B*x^3 + C*x^2 + D*x + E, for the checks that sit beside the
// closed-form solvers: a polynomial of lower degree has its leading values 0.
namespace analysis {

// The highest power with a coefficient other than 0; -1 for the zero polynomial.
int degree(const Polynomial& p);

// p(x) by Horner's scheme.
double valueAt(const Polynomial& p, double x);

// The coefficient of the highest power that is not 0 (0 for the zero polynomial).
double leadingCoefficient(const Polynomial& p);

// The coefficients of p'.
Polynomial derivative(const Polynomial& p);

// True when p(x) is 0 within the rounding of its evaluation: |p(x)| is at most 1e-12 of
// the sum of the terms' magnitudes. This is how a zero of even multiplicity shows, since p does
// not change sign there and a sign test cannot see it.
bool zeroWithinRounding(const Polynomial& p, double x);

}  // namespace analysis
