#pragma once

#include <span>
#include <string>
#include <string_view>

// Normalisation of term text: constants written out, implicit products made explicit.
namespace terms {

struct Rule {
    std::string from;
    std::string to;
};

// The replacement rules in the order they are applied, in six groups: the constants written out,
// a digit before a bracket, a bracket before a digit, two brackets, a bracket before a function,
// a digit before a function. The first five groups are the calculator's.
std::span<const Rule> normRules();

// Replaces every occurrence of `from`, scanning left to right; a replacement is not scanned again.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

// All the rules, for the curves y' .. y''' and HG (the term is upper case).
std::string NormTerm(std::string_view term);

// The calculator's variant: the same rules without the digit-before-function group, so that a
// number such as 2E3 stays intact.
std::string NormTermRechner(std::string_view term);

}  // namespace terms
