#pragma once

#include <string>
#include <vector>

#include "document/document.h"
#include "exact/discussion.h"

// The Lösungsweg: how each result of the Kurvendiskussion is found, written as a German
// Oberstufe student writes it, in lines for the section that shows the result.
namespace doc {

struct SolutionWay {
    std::vector<Paragraph> symmetry, infinity, zeros, extremes, inflections, monotony, curvature,
        range, area;
};

// The two formulas taught for quadratic equations; schools teach one of them.
enum class QuadraticFormula { Pq, Midnight };

SolutionWay solutionWay(const exact::Discussion& discussion, QuadraticFormula formula);

// p(x) = 0 solved the way a student tries: Ausklammern, Substitution, Raten with Polynomdivision,
// the chosen formula, Näherungsverfahren; ending with each root of `analysed` and its multiplicity.
// `name` is "f", "f′" or "f″".
std::vector<Paragraph> equationWay(const exact::Analysed& analysed, const std::string& name,
                                   QuadraticFormula formula);

}  // namespace doc
