#pragma once

#include <array>
#include <string>
#include <string_view>

namespace analysis {

// The slots of a solver's text, split at "|". Failure 5 when the text holds fewer "|" than
// the split needs (the empty text above all).
std::array<std::string, 3> splitThree(std::string_view s);
std::array<std::string, 2> splitTwo(std::string_view s);

}  // namespace analysis
