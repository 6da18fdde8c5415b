#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "analysis/derivative_terms.h"

namespace analysis {

// One root of y' from a solver's slot: its text as the row shows it (empty for an empty slot)
// and the number the run goes on with (the root's shownValue).
struct CriticalSlot {
    std::string shown;
    double x = 0;
};

// An extreme point: the slot it comes from and its label, "min" or "max".
struct ExtremePoint {
    std::size_t slot = 0;
    std::string kind;
};

// The extreme points among the roots of y' (degree 4: KubGleiScaledRoots(Abl1A..Abl1D), each root
// shown by its text; degree 3: QuadGleiRoots(Abl1B, Abl1C, Abl1D), each root shown as Format4 of
// its shownValue), in slot order, each once. Where y' has only simple real roots and the solver
// shows all of them, y' changes sign at every one, however close two lie and even when both show
// the same x: each slot is an extreme point, labelled by the way y' changes sign there. Otherwise
// y' changes sign only at a root of odd multiplicity: a root shown twice is a saddle (an inflection
// point with a horizontal tangent) and is left out, a root shown once or three times is an extreme
// point. Its kind is then the sign of the first derivative of even order that is not 0 there: y''
// at x, or y'''' = Abl3A (24A) where y'' is 0 or the root is triple, since y'' and y''' vanish at a
// triple root of y'. A root at which both are 0 cannot be told apart from a saddle and is left out
// too. Throws Failure 6 when y'' overflows.
std::vector<ExtremePoint> extremePoints(std::span<const CriticalSlot> slots,
                                        const Derivatives& abl);

}  // namespace analysis
