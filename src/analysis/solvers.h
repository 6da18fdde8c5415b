#pragma once

#include <string>

// The closed-form solvers of the curve analysis. Their results are slot texts: the real roots
// as number texts joined by "|", an empty slot being the empty text.
namespace analysis {

// The solver's value of pi, the 15-digit literal (a few units in the last place below the
// double nearest to pi); every angle of the trigonometric case uses it.
inline constexpr double Pi = 3.14159265358979;

// Roots of a*x^3 + b*x^2 + c*x + d = 0, each rounded half up to 4 decimals: three slots
// "x1|x2|x3"; one real root gives "x1||". a = 0 gives the empty text. The discriminant,
// rounded to 6 decimals, chooses the case. Throws Failure 6 on an arithmetic overflow.
// This is the plain form, used for the auxiliary cubic HG.
std::string KubGlei(double a, double b, double c, double d);

// KubGlei for the cubics of y and y': when b/a, c/a and d/a are all below 1 in magnitude
// (and not all 0) the roots are scaled up by the smallest power of ten that brings one of
// them to 1 or more, solved, scaled back, and only then rounded.
std::string KubGleiScaled(double a, double b, double c, double d);

// Roots of a*x^2 + b*x + c = 0, unrounded: "x1|x2" (the larger first), "x|" in the linear
// case, "|" without real roots, the empty text on any failure (a = b = 0 among them).
std::string QuadGlei(double a, double b, double c);

}  // namespace analysis
