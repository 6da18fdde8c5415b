#pragma once

#include <set>
#include <string>

#include "panel.h"
#include "reference.h"

// Whether the panel shows the polynomial correctly to 4 decimals, and if not, why. A shown
// number is correct when it is a rounding of the true value to 4 decimals: at most 0,00005
// away (plus 1e-9 for a true value that lies on a tie). The panel is correct when
// - zeros: every shown zero (rows P01..P04 other than empty or "#") is a real zero with y "0",
//   and every distinct real zero is shown (a multiple zero may be shown more than once);
// - extreme points: the rows PE1..PE3 show each point where y' changes sign exactly once, with
//   its label "min"/"max" and its y correct, and nothing else;
// - inflection points: the rows PW1, PW2 show each point where y'' changes sign exactly once,
//   with its y correct, and nothing else;
// - PY reads 0 and the text of E.
struct Verdict {
    bool correct = true;
    std::set<std::string> causes;  // one line for each kind of fault found
};

Verdict judge(const Panel& shown, const reference::Expected& expected);
