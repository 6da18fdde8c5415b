// The closed-form solvers for any coefficients: each fails only as documented, fills its slots
// in the documented pattern, and gives each root the text the rows show, which reads back as
// the root's number to 15 digits. The input is the coefficients' texts between bars, such as
// "1|0|-1|0"; a piece that is no number is 0.

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "analysis/solvers.h"
#include "base/numtext.h"
#include "support.h"

namespace {

using analysis::CubicRoots;
using analysis::Root;
using fuzz::require;
using CubicSolver = CubicRoots (*)(double, double, double, double);

// The root's text is numtext::format of its number, and its shown value is the number of that
// text: within the rounding to 15 significant digits. The one 15-digit text beyond the largest
// double is failure 6 when the run reads it.
void checkRoot(const Root& root) {
    require(std::isfinite(root.value), "a root is a finite number");
    require(root.text == numtext::format(root.value), "a root's text is the default conversion");
    const auto shown = fuzz::attempt([&] { return analysis::shownValue(root); });
    if (shown.failure != 0) {
        require(shown.failure == failure::Overflow, "a shown value fails with 6 only");
        require(root.text == "1,79769313486232E+308" || root.text == "-1,79769313486232E+308",
                "only a text beyond the largest double fails to read back");
        return;
    }
    const double within = std::fabs(root.value) * 1e-14 + std::numeric_limits<double>::denorm_min();
    require(std::fabs(shown.value - root.value) <= within, "the text reads back as the root");
    require(numtext::format(shown.value) == root.text, "the shown value writes the same text");
}

// A solver that gives up has no slots, and asking for them is failure 5.
template <std::size_t N>
void checkUnsolved(const analysis::SolverResult<N>& result) {
    require(fuzz::attempt([&] { return result.slots(); }).failure == failure::InvalidArgument,
            "no slots are failure 5");
}

// The cubic solvers: failure 6 only, no slots exactly for a leading 0, otherwise x1 alone or
// all three slots, each root rounded half up to 4 decimals.
fuzz::Outcome<CubicRoots> checkCubic(CubicSolver solve, const double (&k)[4]) {
    const auto roots = fuzz::attempt([&] { return solve(k[0], k[1], k[2], k[3]); });
    require(roots.failure == 0 || roots.failure == failure::Overflow, "a cubic fails with 6 only");
    if (roots.failure != 0) return roots;
    require(roots.value.solved() == (k[0] != 0), "a cubic has no slots only with a leading 0");
    if (!roots.value.solved()) {
        checkUnsolved(roots.value);
        return roots;
    }
    const CubicRoots::Slots& slots = roots.value.slots();
    require(slots[0] && slots[1].has_value() == slots[2].has_value(),
            "a cubic fills x1 alone or all three slots");
    for (const std::optional<Root>& root : slots) {
        if (!root) continue;
        checkRoot(*root);
        if (std::fabs(root->value) < 1e10)
            require(std::nearbyint(root->value * 10000) / 10000 == root->value,
                    "a cubic's root has 4 decimals");
    }
    return roots;
}

// QuadGleiRoots never throws: no slots on any failure (a = b = 0 among them); otherwise no
// root, x1 alone (only in the linear case), or both with the larger first.
void checkQuadratic(double a, double b, double c) {
    const auto roots = fuzz::attempt([&] { return analysis::QuadGleiRoots(a, b, c); });
    require(roots.failure == 0, "a quadratic gives no slots instead of failing");
    if (a == 0 && b == 0) require(!roots.value.solved(), "a = b = 0 gives no slots");
    if (!roots.value.solved()) {
        checkUnsolved(roots.value);
        return;
    }
    const analysis::QuadraticRoots::Slots& slots = roots.value.slots();
    require(!slots[1] || slots[0], "x2 only beside x1");
    require(!slots[0] || slots[1] || a == 0, "x1 alone only in the linear case");
    for (const std::optional<Root>& root : slots)
        if (root) checkRoot(*root);
    if (slots[0] && slots[1]) require(slots[0]->value >= slots[1]->value, "the larger root first");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::text(data, size);
    double k[4] = {};
    std::size_t start = 0;
    for (double& c : k) {
        const std::size_t end = std::min(text.find('|', start), text.size());
        c = fuzz::attempt([&] { return numtext::parse(text.substr(start, end - start)); }).value;
        if (end == text.size()) break;
        start = end + 1;
    }

    const auto plain = checkCubic(analysis::KubGleiRoots, k);
    const auto scaled = checkCubic(analysis::KubGleiScaledRoots, k);
    // Only cubics whose roots are all small in magnitude are scaled; the others are solved as
    // they are.
    if (k[0] != 0) {
        const double r = k[1] / k[0], s = k[2] / k[0], t = k[3] / k[0];
        const bool small = std::fabs(r) < 1 && std::fabs(s) < 1 && std::fabs(t) < 1;
        if (!small || (r == 0 && s == 0 && t == 0))
            require(scaled.failure == plain.failure && scaled.value == plain.value,
                    "a cubic that is not scaled has the plain roots");
    }
    checkQuadratic(k[0], k[1], k[2]);
    return 0;
}
