#pragma once

#include <array>
#include <optional>
#include <string>

#include "base/field_value.h"

// Whether the coefficient texts make sense for an analysis at all, before anything is computed.
namespace analysis {

struct CoefficientVerdict {
    bool stop = false;  // a box with the stop icon; otherwise an information box
    std::string text;
};

// The first coefficient (A to E) that is no number or too large for the computation, or all of
// them 0 or empty: what the box says. Nothing when the run can go on.
std::optional<CoefficientVerdict> checkCoefficients(
    const std::array<numtext::FieldValue, 5>& fields);

}  // namespace analysis
