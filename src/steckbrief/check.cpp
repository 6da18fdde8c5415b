#include <string_view>
#include <utility>

#include "steckbrief/school_number.h"
#include "steckbrief/steckbrief.h"

namespace steckbrief {
namespace {

using Kind = Condition::Kind;

// f^(j)(x0) by Horner on the coefficients of f^(j).
Rational derivativeAt(const std::vector<Rational>& byPower, int j, const Rational& x) {
    Rational value;
    for (int k = static_cast<int>(byPower.size()) - 1; k >= j; --k) {
        Rational factor = byPower[k];
        for (int i = 0; i < j; ++i) factor = factor * Rational(k - i);
        value = value * x + factor;
    }
    return value;
}

// The first derivative of order `from` or more that is not 0 at x: its order and sign, {0, 0} when
// there is none. By Taylor f^(from−1), being 0 at x, changes its sign there exactly when this order
// has the parity of `from`.
std::pair<int, int> firstNonzero(const std::vector<Rational>& byPower, int from,
                                 const Rational& x) {
    for (int n = from; n < static_cast<int>(byPower.size()); ++n)
        if (const int sign = derivativeAt(byPower, n, x).sign()) return {n, sign};
    return {0, 0};
}

// Why f, its equations for the line holding, still lacks the point the line names; "" when not.
std::string meaningMissing(const Condition& c, const std::vector<Rational>& byPower) {
    const std::string x = schoolNumber(c.x);
    if (c.kind == Kind::Inflection) {
        const auto [order, sign] = firstNonzero(byPower, 3, c.x);
        if (order == 0) return "f″ ist überall 0: kein Wendepunkt.";
        if (order % 2 == 0)
            return "f″ wechselt bei x = " + x + " das Vorzeichen nicht: kein Wendepunkt.";
        return "";
    }
    const char* wanted = c.kind == Kind::Maximum    ? "Hochpunkt"
                         : c.kind == Kind::Minimum  ? "Tiefpunkt"
                         : c.kind == Kind::Saddle   ? "Sattelpunkt"
                         : c.kind == Kind::Extremum ? "Extrempunkt"
                                                    : nullptr;
    if (!wanted) return "";
    // f′(x) = 0 here: an even order is an extremum, the sign saying which, an odd one a saddle.
    const auto [order, sign] = firstNonzero(byPower, 2, c.x);
    if (order == 0) return std::string("f ist konstant: kein ") + wanted + ".";
    const char* found = order % 2 == 1 ? "Sattelpunkt" : sign < 0 ? "Hochpunkt" : "Tiefpunkt";
    if (c.kind == Kind::Extremum) {
        if (order % 2 == 1)
            return "f′ wechselt bei x = " + x + " das Vorzeichen nicht: kein Extrempunkt.";
        return "";
    }
    if (std::string_view(found) == wanted) return "";
    return "Bei x = " + x + " liegt ein " + found + ", kein " + wanted + ".";
}

}  // namespace

std::vector<Check> check(const std::vector<Condition>& conditions,
                         const std::vector<Rational>& byPower) {
    const int degree = static_cast<int>(byPower.size()) - 1;
    std::vector<Check> checks;
    for (const Condition& c : conditions) {
        Check result{c.line, false, ""};
        for (const Equation& e : equationsOf({c}, degree)) {
            Rational value;
            for (std::size_t k = 0; k < byPower.size(); ++k)
                value = value + e.factors[k] * byPower[k];
            if (value == e.rhs) continue;
            // "f(1) = 3, nicht 4.": the left side of the equation with what it is instead.
            if (!result.reason.empty()) result.reason += " ";
            result.reason += e.origin.substr(0, e.origin.find(" = ")) + " = " +
                             schoolNumber(value) + ", nicht " + schoolNumber(e.rhs) + ".";
        }
        if (result.reason.empty()) result.reason = meaningMissing(c, byPower);
        result.ok = result.reason.empty();
        checks.push_back(std::move(result));
    }
    return checks;
}

}  // namespace steckbrief
