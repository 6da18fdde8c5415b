#pragma once

#include <optional>
#include <vector>

#include "exact/coefficients.h"
#include "exact/polynomial.h"
#include "exact/value.h"

// The Kurvendiskussion of y = A·x^4 + B·x^3 + C·x^2 + D·x + E over all real numbers, computed
// exactly, as structured data from which the document, the facts and the way to each result are
// read.
namespace exact {

// How a real root was found.
enum class Method {
    RationalRoot,      // a linear factor over the integers
    QuadraticFormula,  // an irreducible quadratic factor
    Biquadratic,       // an irreducible quartic factor that is even in x - s (z = (x-s)²)
    Numeric            // an irreducible cubic or other quartic factor: certified decimals only
};

// An irreducible factor over the integers: primitive, positive leading coefficient.
struct Factor {
    Polynomial polynomial;
    int multiplicity = 1;
};

struct Root {
    Value x;
    int multiplicity = 1;
    Method method = Method::RationalRoot;
    int factor = 0;  // index into the factors of its polynomial
};

// A polynomial with its factorisation, polynomial = content · Π factorᵐ, and its distinct real
// roots ascending. The zero polynomial and the constants have no factors.
struct Analysed {
    Polynomial polynomial;
    Rational content;
    std::vector<Factor> factors;
    std::vector<Root> roots;
};

struct Symmetry {
    enum class Kind {
        YAxis,   // f(-x) = f(x)
        Origin,  // f(-x) = -f(x)
        Axis,    // to the line x = x
        Point,   // to the point (x, y)
        None
    };
    Kind kind = Kind::None;
    Value x, y;  // Axis: x; Point: x and y
};

struct Stationary {
    enum class Kind { Max, Min, Saddle };
    Kind kind = Kind::Max;
    Value x, y;
    int root = 0;  // index into derivative1.roots
};

struct Inflection {
    Value x, y;
    Value slope, intercept;  // the tangent y = slope·x + intercept
    int root = 0;            // index into derivative2.roots
};

struct Interval {
    enum class Kind { Increasing, Decreasing, Constant, Convex, Concave };
    Kind kind = Kind::Constant;
    Bound from, to;  // open interval, ascending
};

struct Discussion {
    int degree = 0;               // 0 also for f ≡ 0
    bool zeroPolynomial = false;  // every x is a zero

    Analysed f;            // its roots are the zeros with their multiplicities
    Analysed derivative1;  // f'
    Analysed derivative2;  // f''
    Polynomial derivative3;
    Polynomial antiderivative;  // F with F(0) = 0

    std::vector<Symmetry> symmetry;  // two entries (y-axis, origin) for f ≡ 0, else one
    Bound limitMinusInfinity, limitPlusInfinity;
    Value yIntercept;
    std::vector<Stationary> stationary;   // ascending x
    std::vector<Inflection> inflections;  // sign changes of f'' that are no saddle points
    std::vector<Interval> monotony;       // ascending, covering ℝ
    std::vector<Interval> curvature;      // ascending, covering ℝ; empty below degree 2
    Bound rangeLow, rangeHigh;
    std::optional<Value> area;  // with at least two distinct zeros
};

Discussion discuss(const Coefficients& coefficients);

}  // namespace exact
