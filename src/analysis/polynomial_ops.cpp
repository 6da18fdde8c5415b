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

double valueByHorner(const Polynomial& p, double x) {
    return (((p.a * x + p.b) * x + p.c) * x + p.d) * x + p.e;
}

double valueByPowers(const Polynomial& p, double x) {
    return (((p.a * std::pow(x, 4) + p.b * std::pow(x, 3)) + p.c * std::pow(x, 2)) + p.d * x) + p.e;
}

double cubicValueByPowers(const Polynomial& p, double x) {
    return ((p.b * std::pow(x, 3) + p.c * std::pow(x, 2)) + p.d * x) + p.e;
}

double valueByRepeatedProducts(const Polynomial& p, double x) {
    return p.a * x * x * x * x + p.b * x * x * x + p.c * x * x + p.d * x + p.e;
}

double secondDerivativeByPowers(const Abl2& k, double x) {
    return (k.a * std::pow(x, 2) + k.b * x) + k.c;
}

double leadingCoefficient(const Polynomial& p) {
    for (double v : {p.a, p.b, p.c, p.d})
        if (v != 0) return v;
    return p.e;
}

Polynomial derivative(const Polynomial& p) { return {0, 4 * p.a, 3 * p.b, 2 * p.c, p.d}; }

bool zeroWithinRounding(const Polynomial& p, double x) {
    const Polynomial magnitudes{std::fabs(p.a), std::fabs(p.b), std::fabs(p.c), std::fabs(p.d),
                                std::fabs(p.e)};
    const double scale = valueByHorner(magnitudes, std::fabs(x));
    const double v = valueByHorner(p, x);
    return std::isfinite(v) && std::fabs(v) <= 1e-12 * scale;
}

}  // namespace analysis
