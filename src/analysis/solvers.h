#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

// The closed-form solvers of the curve analysis. Each gives its real roots in slots, an empty
// slot being no root; each root carries its number and its text as the result rows show it.
namespace analysis {

// The solver's value of pi, the 15-digit literal (a few units in the last place below the
// double nearest to pi); every angle of the trigonometric case uses it.
inline constexpr double Pi = 3.14159265358979;

// One real root: the solver's number and numtext::format of it.
struct Root {
    double value = 0;
    std::string text;

    bool operator==(const Root&) const = default;
};

// The number a root's text denotes: its value rounded to 15 significant digits. The rows show
// the text, so every x the run goes on with (y(x), y''(x), the order of the roots) must be this
// number, not the solver's double: an unrounded root of QuadGleiRoots differs from it in the
// last bits, a root of KubGleiRoots from 1E+11 on in its 4 decimals, and y there differs in the
// digits the rows show.
double shownValue(const Root& root);

// Failure 5: a solver gave no slots, and the run needs them.
[[noreturn]] void noSlots();

// A solver's N slots, or no slots at all where the solver gives up (KubGleiRoots with a
// leading 0, QuadGleiRoots on any failure).
template <std::size_t N>
class SolverResult {
  public:
    using Slots = std::array<std::optional<Root>, N>;

    SolverResult() = default;  // no slots
    explicit SolverResult(Slots slots) : slots_(std::move(slots)) {}

    bool solved() const { return slots_.has_value(); }

    // The slots; Failure 5 where there are none, as the run has always ended there.
    const Slots& slots() const {
        if (!slots_) noSlots();
        return *slots_;
    }

    bool operator==(const SolverResult&) const = default;

  private:
    std::optional<Slots> slots_;
};

using CubicRoots = SolverResult<3>;
using QuadraticRoots = SolverResult<2>;

// Roots of a*x^3 + b*x^2 + c*x + d = 0, each rounded half up to 4 decimals: three slots
// x1, x2, x3; one real root fills only the first. a = 0 gives no slots. The discriminant,
// rounded to 6 decimals, chooses the case. Throws Failure 6 on an arithmetic overflow.
// This is the plain form, used for the auxiliary cubic HG.
CubicRoots KubGleiRoots(double a, double b, double c, double d);

// KubGleiRoots for the cubics of y and y': when b/a, c/a and d/a are all below 1 in magnitude
// (and not all 0) the roots are scaled up by the smallest power of ten that brings one of
// them to 1 or more, solved, scaled back, and only then rounded.
CubicRoots KubGleiScaledRoots(double a, double b, double c, double d);

// Roots of a*x^2 + b*x + c = 0, unrounded: two slots, the larger root first; in the linear
// case only the first is filled, without real roots neither. Any failure (a = b = 0 among
// them) gives no slots.
QuadraticRoots QuadGleiRoots(double a, double b, double c);

}  // namespace analysis
