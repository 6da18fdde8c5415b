#include "terms/calculator.h"

#include <algorithm>

#include "base/failure.h"
#include "base/numtext.h"
#include "terms/evaluator.h"
#include "terms/normterm.h"
#include "terms/pruefterm.h"

namespace terms {

Calculation calculate(std::string_view termText, std::string_view x) {
    Calculation c;
    c.x = std::string(x);
    std::replace(c.x.begin(), c.x.end(), ',', '.');
    try {
        const std::string term =
            NormTermRechner(replaceAll(upperCase(termText), "(X)", "(" + c.x + ")"));
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
