#include "analysis/polynomial_ops.h"

#include <cmath>

namespace analysis {

int degree(const Polynomial& p) {
    if (p.a != 0) return 4;
    if (p.b != 0) return 3;
    if (p.c != 0) return 2;
    if (p.d != 0) return 1;
    return p.e != 0 ? 0 : -1;
}

double valueAt(const Polynomial& p, double x) {
    return (((p.a * x + p.b) * x + p.c) * x + p.d) * x + p.e;
}

double leadingCoefficient(const Polynomial& p) {
    for (double v : {p.a, p.b, p.c, p.d})
        if (v != 0) return v;
    return p.e;
}

Polynomial derivative(const Polynomial& p) { return {0, 4 * p.a, 3 * p.b, 2 * p.c, p.d}; }

bool zeroWithinRounding(const Polynomial& p, double x) {
    const double ax = std::fabs(x);
    const double scale =
        (((std::fabs(p.a) * ax + std::fabs(p.b)) * ax + std::fabs(p.c)) * ax + std::fabs(p.d)) *
            ax +
        std::fabs(p.e);
    const double v = valueAt(p, x);
    return std::isfinite(v) && std::fabs(v) <= 1e-12 * scale;
}

}  // namespace analysis
