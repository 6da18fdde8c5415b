#include <array>

#include "steckbrief/school_number.h"
#include "steckbrief/steckbrief.h"

namespace steckbrief {
namespace {

using Kind = Condition::Kind;

// f^(j)(x0) as a linear form in the coefficients: x^k contributes k!/(k−j)! · x0^(k−j).
std::vector<Rational> derivativeForm(int j, const Rational& x0, int degree) {
    std::vector<Rational> factors(degree + 1);
    for (int k = j; k <= degree; ++k) {
        Rational factor = 1;
        for (int i = 0; i < j; ++i) factor = factor * Rational(k - i);
        for (int i = j; i < k; ++i) factor = factor * x0;
        factors[k] = factor;
    }
    return factors;
}

Equation derivativeEquation(const Condition& c, int j, const Rational& value, int degree) {
    static const std::array<const char*, 4> kPrimes = {"", "′", "″", "‴"};
    return {
        derivativeForm(j, c.x, degree), value, c.line,
        "f" + std::string(kPrimes.at(j)) + "(" + schoolNumber(c.x) + ") = " + schoolNumber(value)};
}

// The coefficient of x^k is 0; a is the coefficient of the highest power, as in a·x³ + b·x² + …
Equation vanishing(const Condition& c, int k, int degree) {
    std::vector<Rational> factors(degree + 1);
    factors[k] = 1;
    return {std::move(factors), Rational(), c.line,
            std::string(1, static_cast<char>('a' + degree - k)) + " = 0"};
}

}  // namespace

std::vector<Equation> equationsOf(const std::vector<Condition>& conditions, int degree) {
    std::vector<Equation> equations;
    for (const Condition& c : conditions) {
        auto add = [&](int j, const Rational& value) {
            equations.push_back(derivativeEquation(c, j, value, degree));
        };
        switch (c.kind) {
            case Kind::Value:
                add(c.derivative, c.y);
                break;
            case Kind::Point:
                add(0, c.y);
                break;
            case Kind::Zero:
                add(0, Rational());
                break;
            case Kind::Maximum:
            case Kind::Minimum:
            case Kind::Extremum:
                add(0, c.y);
                add(1, Rational());
                break;
            case Kind::Inflection:
                add(0, c.y);
                add(2, Rational());
                break;
            case Kind::Saddle:
                add(0, c.y);
                add(1, Rational());
                add(2, Rational());
                break;
            case Kind::Tangent:
                add(0, c.y * c.x + c.intercept);
                add(1, c.y);
                break;
            case Kind::EvenSymmetry:
            case Kind::OddSymmetry:
                // Odd powers vanish for the symmetry to the y-axis, even ones for the origin;
                // in school order, from the highest power down.
                for (int k = degree; k >= 0; --k)
                    if ((k % 2 == 1) == (c.kind == Kind::EvenSymmetry))
                        equations.push_back(vanishing(c, k, degree));
                break;
        }
    }
    return equations;
}

}  // namespace steckbrief
