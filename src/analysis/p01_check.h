#pragma once

#include <string>
#include <string_view>

#include "analysis/zerosearch.h"

namespace analysis {

// What becomes of the zero P01 before y is divided by (x - P01).
struct P01Check {
    enum class Outcome {
        Keep,     // v is a zero rounded (6 decimals of the zero search, a person's copy)
        Replace,  // v is no zero, but Newton's method led from v to the zero z
        Reject,   // v is no zero and none was found from it: the run ends with empty results
    };
    Outcome outcome = Outcome::Keep;
    double zero = 0;      // z, the value to divide by (Keep, Replace); v itself for Reject
    std::string text;     // txtP01X afterwards: unchanged, or z's text for Replace
    std::string message;  // the message to show (Replace: information, Reject: stop), or empty
};

// Checks the P01 of txtP01X (a number; "#" and the empty text never come here). Where y(v) is
// 0 within rounding already, v is kept as it is. Otherwise v is refined by Newton's method on
// y, at most 100 steps, to z. If that reached a zero and
// |z - v| <= 1e-6 * max(1, |v|), v is z rounded: Keep, the division uses z. If it reached a zero
// farther away: Replace, the run goes on with z. Otherwise: Reject. Throws Failure 13 when
// p01x is not a number.
P01Check checkP01(const Polynomial& y, std::string_view p01x);

}  // namespace analysis
