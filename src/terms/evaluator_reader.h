#pragma once

#include <string_view>

#include "terms/evaluator_builder.h"

namespace terms {

// Reads the text of a term from left to right and hands its numbers, variables and operations
// to the builder in postfix order. Throws the first fault of reading (Failure 1002, 500, 28, or
// 6 for a number too large). With withX, each "(X)" is the variable; xRead tells whether one was
// read before any fault.
void readTerm(std::string_view text, bool withX, CodeBuilder& out, bool& xRead);

}  // namespace terms
