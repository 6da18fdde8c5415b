#pragma once

#include <optional>
#include <string>
#include <vector>

#include "steckbrief/steckbrief.h"

namespace steckbrief {

// Everything the window shows for a text of conditions and a degree, computed once.
struct Answer {
    int degree = 3;
    Reading reading;
    std::vector<Equation> equations;
    std::optional<Solution> solution;  // when every line could be read
    std::vector<Check> checks;         // when the solution is unique

    bool unique() const { return solution && solution->outcome == Solution::Outcome::Unique; }
    // A .. E of y = A·x⁴ + … + E: the unique solution with 0 above its degree.
    std::vector<Rational> coefficientsAtoE() const;
};

Answer answer(const std::string& conditions, int degree);

// The answer as the tests read it: "A B C D E" in lowest terms ("-3/4"), "underdetermined K",
// "inconsistent" or "unreadable N".
std::string resultText(const Answer& answer);
// "N ok" or "N fails" for each condition line, joined by "\n"; empty without a unique solution.
std::string checkText(const Answer& answer);

// A coefficient as the fields take it: the German decimal where it ends ("0,25", "-1,5"), the
// 15 significant digits otherwise ("0,333333333333333").
std::string fieldText(const Rational& value);

}  // namespace steckbrief
