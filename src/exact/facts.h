#pragma once

#include <array>
#include <string>

#include "exact/discussion.h"

namespace exact {

// The facts lines of discussion.facts, joined by "\n" without a trailing one.
std::string facts(const Discussion& discussion);

// Reads txtA..txtE (with the exact fractions that stand behind some of them, as
// readCoefficients takes them) and discusses them; "error txtA" .. "error txtE" alone for the
// first field that cannot be read.
std::string factsOf(const std::array<std::string, 5>& texts,
                    const std::array<std::string, 5>& fractions = {});

}  // namespace exact
