#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "analysis/derivative_terms.h"

namespace analysis {

// A root among a solver's slots, as the result rows would show them: the first slot that
// shows it, and how many slots show the same text (the solvers return a double root twice and
// a triple root three times).
struct SlotRoot {
    std::size_t slot = 0;
    int count = 0;
};

// The roots in the non-empty slots, each once, in the order of their first slot; shown holds
// each slot's text as its row shows it, the empty text for an empty slot.
std::vector<SlotRoot> slotRoots(std::span<const std::string> shown);

// The slots of the inflection points among the two slots of y'' (QuadGleiRoots(Abl2A, Abl2B,
// Abl2C), shown as for slotRoots). Two simple real roots are two sign changes, however close
// they lie, even when both rows show the same x. Otherwise y'' changes sign only at a root of
// odd multiplicity, so a root shown twice (a double root, as of 12x^2) is none.
std::vector<std::size_t> inflectionSlots(std::span<const std::string> shown, const Abl2& y2);

}  // namespace analysis
