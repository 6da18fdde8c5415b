#include "terms/calculator.h"

#include <algorithm>

#include "base/failure.h"
#include "base/numtext.h"
#include "terms/evaluator.h"
#include "terms/normterm.h"
#include "terms/pruefterm.h"

namespace terms {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A comma beside a digit is the decimal separator of a German number, as the terms the program
// writes into the function fields have it ("0,25*(X)^4"); any other comma is left for the syntax
// check to show.
std::string decimalCommasAsPoints(std::string term) {
    for (std::size_t i = 0; i < term.size(); ++i)
        if (term[i] == ',' &&
            ((i > 0 && isDigit(term[i - 1])) || (i + 1 < term.size() && isDigit(term[i + 1]))))
            term[i] = '.';
    return term;
}

}  // namespace

Calculation calculate(std::string_view termText, std::string_view x) {
    Calculation c;
    c.x = std::string(x);
    std::replace(c.x.begin(), c.x.end(), ',', '.');
    try {
        const std::string term = NormTermRechner(
            replaceAll(decimalCommasAsPoints(upperCase(termText)), "(X)", "(" + c.x + ")"));
        if (term.empty()) {
            c.result = "Eingabefeld ist leer";
            c.focusTerm = false;
            return c;
        }
        Pruefung check = PruefTerm(term);
        c.box = std::move(check.box);
        c.result = check.verdict == kPruefOK ? numtext::format(evaluate(term)) : check.verdict;
    } catch (const Failure&) {
        c.result = kFormelFehler;
    }
    return c;
}

}  // namespace terms
