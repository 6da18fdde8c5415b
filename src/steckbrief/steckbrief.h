#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "exact/rational.h"

// The Steckbriefaufgabe: a polynomial of degree 2, 3 or 4 found from its properties, exactly.
// The conditions are read from lines as students write them, turned into linear equations in the
// coefficients, solved by Gauß's elimination (each step kept for the way), and the solution is
// checked against what each line means.
namespace steckbrief {

using exact::Rational;

struct Condition {
    enum class Kind {
        Value,       // f(x0) = y0, f'(x0) = y0, f''(x0) = y0, f'''(x0) = y0 (order in `derivative`)
        Point,       // P(x0|y0)
        Zero,        // N(x0)
        Maximum,     // H(x0|y0): Hochpunkt
        Minimum,     // T(x0|y0): Tiefpunkt
        Extremum,    // E(x0|y0)
        Inflection,  // W(x0|y0)
        Saddle,      // S(x0|y0)
        Tangent,     // t(x0): y = m*x + b
        EvenSymmetry,  // achsensymmetrisch
        OddSymmetry    // punktsymmetrisch
    };
    Kind kind = Kind::Value;
    int line = 0;        // 1-based number of the line among all lines of the text
    std::string name;    // as written: "H1", "P", "t", "f''"; empty for the symmetries
    int derivative = 0;  // Value only: 0 for f, 1 for f', 2 for f'', 3 for f'''
    Rational x;          // x0 (not for the symmetries)
    Rational y;          // y0, or the value of the derivative; the slope m of a tangent
    Rational intercept;  // Tangent only: b
};

// The conditions of a text, or the first line that cannot be read. Blank lines are skipped.
struct Reading {
    std::vector<Condition> conditions;
    std::optional<int> unreadableLine;  // 1-based
};
Reading readConditions(const std::string& text);

// One linear equation in the coefficients: Σ factors[k]·(coefficient of x^k) = rhs, k = 0..degree.
struct Equation {
    std::vector<Rational> factors;  // degree + 1 entries, by power
    Rational rhs;
    int line = 0;        // the condition's line
    std::string origin;  // what it says, in school notation: "f(3) = 0", "f′(1) = 0"
};
std::vector<Equation> equationsOf(const std::vector<Condition>& conditions, int degree);

// Gauß's elimination, step by step, to the Stufenform and back to the solution.
struct Step {
    std::string operation;  // "II − 3 · I", "I ↔ II", "III : 2", in Roman row numbers
    // The rows the step changed, by their index from 0: one or two, whatever the system's size.
    std::vector<std::pair<std::size_t, Equation>> rows;
};
struct Solution {
    enum class Outcome { Unique, Underdetermined, Inconsistent };
    Outcome outcome = Outcome::Inconsistent;
    int missing = 0;                // Underdetermined: how many conditions are missing
    std::vector<Rational> byPower;  // Unique: the coefficients, degree + 1 entries, by power
    bool lowerDegree = false;       // Unique: the leading coefficient is 0
    std::vector<Step> steps;
    std::vector<Equation> stufenform;  // the system after the last step
};
Solution solve(const std::vector<Equation>& equations, int degree);

// The Probe: whether the polynomial (coefficients by power) has what the line means, not only
// its equations: a Hochpunkt where H stands, a sign change of f″ where W stands, and so on.
struct Check {
    int line = 0;
    bool ok = false;
    std::string reason;  // German, empty when ok: "Bei x = 0 liegt ein Tiefpunkt, kein Hochpunkt."
};
std::vector<Check> check(const std::vector<Condition>& conditions,
                         const std::vector<Rational>& byPower);

}  // namespace steckbrief
