#include "analysis/newton.h"

#include <cmath>

#include "analysis/polynomial_ops.h"

namespace analysis {

NewtonResult newton(const Polynomial& p, double start, int maxSteps) {
    const Polynomial dp = derivative(p);
    double x = start;
    for (int step = 0; step < maxSteps; ++step) {
        const double fx = valueByHorner(p, x);
        const double slope = valueByHorner(dp, x);
        if (fx == 0 || slope == 0 || !std::isfinite(fx) || !std::isfinite(slope)) break;
        const double next = x - fx / slope;
        if (!std::isfinite(next) || next == x) break;
        x = next;
    }
    return {x, std::isfinite(x) && zeroWithinRounding(p, x)};
}

}  // namespace analysis
