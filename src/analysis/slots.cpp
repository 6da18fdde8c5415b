#include "analysis/slots.h"

#include "base/failure.h"

namespace analysis {

std::array<std::string, 3> splitThree(std::string_view s) {
    const auto p1 = s.find('|');
    if (p1 == std::string_view::npos) throw Failure(failure::InvalidArgument);
    const auto p2 = s.find('|', p1 + 1);
    if (p2 == std::string_view::npos) throw Failure(failure::InvalidArgument);
    return {std::string(s.substr(0, p1)), std::string(s.substr(p1 + 1, p2 - p1 - 1)),
            std::string(s.substr(p2 + 1))};
}

std::array<std::string, 2> splitTwo(std::string_view s) {
    const auto p1 = s.find('|');
    if (p1 == std::string_view::npos) throw Failure(failure::InvalidArgument);
    return {std::string(s.substr(0, p1)), std::string(s.substr(p1 + 1))};
}

}  // namespace analysis
