#include "reference.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "exact_polynomial.h"

namespace reference {
namespace {

using Complex = std::complex<long double>;

long double valueOf(const WholePoly& p, long double x) {
    long double v = 0;
    for (std::size_t i = p.size(); i-- > 0;) v = v * x + static_cast<long double>(p[i]);
    return v;
}

// All complex roots of p (degree >= 1) by the Durand-Kerner iteration on the monic form.
std::vector<Complex> complexRoots(const WholePoly& p) {
    const int n = degreeOf(p);
    std::vector<long double> monic(p.size());
    long double bound = 1;
    for (std::size_t i = 0; i < p.size(); ++i) {
        monic[i] = static_cast<long double>(p[i]) / static_cast<long double>(p.back());
        if (i + 1 < p.size()) bound = std::max(bound, 1 + std::fabs(monic[i]));
    }
    std::vector<Complex> z(n);
    const Complex seed(0.4L, 0.9L);
    for (int k = 0; k < n; ++k) z[k] = bound * std::pow(seed, k);
    for (int iter = 0; iter < 2000; ++iter) {
        long double change = 0;
        for (int k = 0; k < n; ++k) {
            Complex v = 0;
            for (std::size_t i = monic.size(); i-- > 0;) v = v * z[k] + monic[i];
            Complex d = 1;
            for (int j = 0; j < n; ++j)
                if (j != k) d *= z[k] - z[j];
            const Complex step = v / d;
            z[k] -= step;
            change = std::max(change, std::abs(step) / (1 + std::abs(z[k])));
        }
        if (change < 1e-19L) break;
    }
    return z;
}

// The real roots of a square-free p, ascending: as many of the complex roots as Sturm counts,
// those nearest to the real axis, polished by Newton's method on p.
std::vector<long double> realRootsOf(const WholePoly& p) {
    if (degreeOf(p) < 1) return {};
    const int count = distinctRealRootCount(p);
    std::vector<Complex> z = complexRoots(p);
    std::sort(z.begin(), z.end(),
              [](Complex a, Complex b) { return std::fabs(a.imag()) < std::fabs(b.imag()); });
    const WholePoly dp = derivativeOf(p);
    std::vector<long double> roots;
    for (int k = 0; k < count; ++k) {
        long double x = z[k].real();
        for (int i = 0; i < 8; ++i) {
            const long double slope = valueOf(dp, x);
            if (slope == 0) break;
            x -= valueOf(p, x) / slope;
        }
        roots.push_back(x);
    }
    std::sort(roots.begin(), roots.end());
    return roots;
}

// The distinct real roots of p with their multiplicities: the roots of p / gcd(p, p'), each
// one more often than it is a root of gcd(p, p').
std::vector<Root> rootsOf(const WholePoly& p) {
    if (degreeOf(p) < 1) return {};
    const WholePoly g = gcdOf(p, derivativeOf(p));
    const std::vector<Root> repeated = rootsOf(g);
    std::vector<Root> roots;
    for (long double x : realRootsOf(exactQuotient(primitive(p), g))) {
        int m = 1;
        for (const Root& r : repeated)
            if (std::fabs(r.x - x) <= 1e-6L * (1 + std::fabs(x))) m += r.multiplicity;
        roots.push_back({x, m});
    }
    return roots;
}

// The sign of the m-th derivative of p at x: the sign p takes just right of a root of
// multiplicity m.
int signRightOf(WholePoly p, int m, long double x) {
    for (int i = 0; i < m; ++i) p = derivativeOf(p);
    return valueOf(p, x) > 0 ? 1 : -1;
}

}  // namespace

long double Expected::yAt(long double x) const {
    long double v = 0;
    for (long long c : hundredths) v = v * x + static_cast<long double>(c);
    return v / 100;
}

Expected expectedFor(const std::array<long long, 5>& hundredths) {
    Expected e;
    e.hundredths = hundredths;
    WholePoly y;
    for (std::size_t i = 5; i-- > 0;) y.push_back(hundredths[i]);
    while (!y.empty() && y.back() == 0) y.pop_back();
    try {
        const WholePoly y1 = derivativeOf(y), y2 = derivativeOf(y1);
        e.ofY = rootsOf(y);
        e.ofY1 = rootsOf(y1);
        e.ofY2 = rootsOf(y2);
        for (const Root& r : e.ofY1)
            if (r.multiplicity % 2 == 1)
                e.extremes.push_back(
                    {r.x, e.yAt(r.x), signRightOf(y1, r.multiplicity, r.x) > 0 ? "min" : "max"});
        for (const Root& r : e.ofY2)
            if (r.multiplicity % 2 == 1) e.inflections.push_back({r.x, e.yAt(r.x), ""});
    } catch (const ExactOverflow&) {
        e.decided = false;
    }
    return e;
}

}  // namespace reference
