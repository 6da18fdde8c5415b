#include "analysis/real_roots.h"

#include "analysis/polynomial_ops.h"
#include "base/failure.h"

namespace analysis {
namespace {

double checkedValue(const Polynomial& p, double x) { return checkFinite(valueByHorner(p, x)); }

// The root of p in (u, v), where p(u) and p(v) differ in sign and p is monotone: Newton's
// step where it stays inside the bracket and halves it at least, a bisection otherwise.
double rootBetween(const Polynomial& p, double u, double v) {
    const Polynomial dp = derivative(p);
    const bool negativeAtU = checkedValue(p, u) < 0;
    double x = u + (v - u) / 2;
    double lastWidth = v - u;
    for (int step = 0; step < 200; ++step) {
        const double fx = checkedValue(p, x);
        if (fx == 0) return x;
        ((fx < 0) == negativeAtU ? u : v) = x;
        const double mid = u + (v - u) / 2;
        if (mid <= u || mid >= v) return x;  // the bracket holds no double between its ends
        const double slope = valueByHorner(dp, x);
        const double newton = slope != 0 ? x - fx / slope : mid;
        const bool useNewton = newton > u && newton < v && v - u <= lastWidth / 2;
        lastWidth = v - u;
        const double next = useNewton ? newton : mid;
        if (next == x) return x;
        x = next;
    }
    return x;
}

}  // namespace

std::vector<double> realRoots(const Polynomial& p, double lo, double hi) {
    const int deg = degree(p);
    if (deg < 0) return {lo};
    if (deg == 0) return {};
    std::vector<double> cuts{lo};
    for (double c : realRoots(derivative(p), lo, hi))
        if (c > cuts.back() && c < hi) cuts.push_back(c);
    if (hi > lo) cuts.push_back(hi);

    std::vector<double> roots;
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        const double u = cuts[i];
        if (zeroWithinRounding(p, u)) {
            roots.push_back(u);
            continue;
        }
        if (i + 1 == cuts.size()) break;
        const double v = cuts[i + 1];
        if (zeroWithinRounding(p, v)) continue;  // v is a root; the next pass takes it
        if ((checkedValue(p, u) < 0) != (checkedValue(p, v) < 0))
            roots.push_back(rootBetween(p, u, v));
    }
    return roots;
}

}  // namespace analysis
