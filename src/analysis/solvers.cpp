#include "analysis/solvers.h"

#include <cmath>

#include "base/failure.h"
#include "base/numtext.h"

namespace analysis {
namespace {

double cbrt(double w) {
    const double third = 1.0 / 3.0;
    return w < 0 ? -std::pow(-w, third) : std::pow(w, third);
}

// Half up to 4 decimals: Int(v * 10000 + 0.5) / 10000.
double round4(double v) { return std::floor(v * 10000 + 0.5) / 10000; }

// A root with its text; Failure 6 for a value that is not finite.
Root root(double value) { return {value, numtext::format(value)}; }

// Solves the cubic and divides each root by scale (an exact power of ten, or 1) before
// rounding it.
CubicRoots solveCubic(double a, double b, double c, double d, double scale) {
    const double r = checkFinite(b / a), s = checkFinite(c / a), t = checkFinite(d / a);
    const double p = checkFinite(s - std::pow(r, 2) / 3);
    const double q = checkFinite(2 * std::pow(r, 3) / 27 - r * s / 3 + t);
    const double exact = checkFinite(std::pow(p, 3) / 27 + std::pow(q, 2) / 4);
    const double disc = std::floor(exact * 1000000 + 0.5) / 1000000;
    auto rounded = [scale](double z) { return root(round4(z / scale)); };

    if (disc > 0) {
        // The rounded discriminant chooses the case; the root uses the exact one.
        const double u = cbrt(-q / 2 + std::sqrt(exact));
        const double v = cbrt(-q / 2 - std::sqrt(exact));
        return CubicRoots(CubicRoots::Slots{rounded(u + v - r / 3), std::nullopt, std::nullopt});
    }
    if (disc == 0) {
        const double u = cbrt(-q / 2), v = u;
        Root x1 = rounded(u + v - r / 3);
        Root x2 = rounded(-(u + v) / 2 - r / 3);
        Root x3 = rounded(-(u + v) / 2 - r / 3);
        return CubicRoots(CubicRoots::Slots{std::move(x1), std::move(x2), std::move(x3)});
    }
    if (disc < 0) {
        const double rho = std::sqrt(-std::pow(p, 3) / 27);
        const double cosPhi = -q / (2 * rho);
        double sin2 = 1 - std::pow(cosPhi, 2);
        if (sin2 < 0) sin2 = 0;
        const double sinPhi = std::sqrt(sin2);
        double phi;
        if (sinPhi == 0)
            phi = cosPhi > 0 ? 0 : Pi;
        else
            phi = std::atan(-cosPhi / sinPhi) + Pi * 0.5;
        const double degrees = phi * 180 / Pi;
        const double m = std::sqrt(-p / 3);
        CubicRoots::Slots slots;
        for (int k = 0; k <= 2; ++k) {
            const double y = 2 * m * std::cos((degrees / 3 + 120 * k) * Pi / 180);
            slots[static_cast<std::size_t>(k)] = rounded(y - b / (a * 3));
        }
        return CubicRoots(std::move(slots));
    }
    return {};
}

}  // namespace

double shownValue(const Root& root) { return numtext::parse(root.text); }

void noSlots() { throw Failure(failure::InvalidArgument); }

CubicRoots KubGleiRoots(double a, double b, double c, double d) {
    if (a == 0) return {};
    return solveCubic(a, b, c, d, 1);
}

CubicRoots KubGleiScaledRoots(double a, double b, double c, double d) {
    if (a == 0) return {};
    const double r = checkFinite(b / a), s = checkFinite(c / a), t = checkFinite(d / a);
    const bool small = std::fabs(r) < 1 && std::fabs(s) < 1 && std::fabs(t) < 1;
    if (!small || (r == 0 && s == 0 && t == 0)) return solveCubic(a, b, c, d, 1);
    int k = 1;
    while (std::fabs(r) * std::pow(10.0, k) < 1 && std::fabs(s) * std::pow(10.0, 2 * k) < 1 &&
           std::fabs(t) * std::pow(10.0, 3 * k) < 1)
        ++k;
    const double scale = std::pow(10.0, k);
    return solveCubic(1, checkFinite(r * scale), checkFinite(s * std::pow(10.0, 2 * k)),
                      checkFinite(t * std::pow(10.0, 3 * k)), scale);
}

QuadraticRoots QuadGleiRoots(double a, double b, double c) {
    try {
        if (b == 0) {
            if (a == 0) return {};  // division by zero
            const double w = checkFinite(c / -a);
            if (w < 0) return QuadraticRoots(QuadraticRoots::Slots{});
            Root x1 = root(std::sqrt(w));
            Root x2 = root(-std::sqrt(w));
            return QuadraticRoots(QuadraticRoots::Slots{std::move(x1), std::move(x2)});
        }
        if (a == 0)
            return QuadraticRoots(QuadraticRoots::Slots{root(checkFinite(-c / b)), std::nullopt});
        const double p = checkFinite(b / a), q = checkFinite(c / a);
        const double disc = checkFinite((p / 2) * (p / 2) - q);
        if (disc > 0) {
            const double w = std::sqrt(checkFinite(p * p / 4 - q));
            Root x1 = root(-p / 2 + w);
            Root x2 = root(-p / 2 - w);
            return QuadraticRoots(QuadraticRoots::Slots{std::move(x1), std::move(x2)});
        }
        if (disc == 0) {
            Root x1 = root(-p / 2);
            Root x2 = root(-p / 2);
            return QuadraticRoots(QuadraticRoots::Slots{std::move(x1), std::move(x2)});
        }
        if (disc < 0) return QuadraticRoots(QuadraticRoots::Slots{});
        return {};
    } catch (const Failure&) {
        return {};
    }
}

}  // namespace analysis
