#pragma once

#include <string>
#include <string_view>

#include "base/field_value.h"

namespace analysis {

// The polynomial A*x^4 + B*x^3 + C*x^2 + D*x + E (KoeffA..KoeffE).
struct Polynomial {
    double a = 0, b = 0, c = 0, d = 0, e = 0;
};

// What the zero search writes: txtP01X and txtP01Y, or nothing at all.
struct ZeroReport {
    bool written = false;
    std::string x;  // a zero in the default number text, or "#"
    std::string y;  // "0" beside a zero, empty beside "#"
};

// The sign-change scan of the plot interval [ix1, ix2], 90 steps a level, six levels deep.
// Searches only when p01x is empty. An empty interval reports "#". Throws the failure of a bound
// that is not a number (13) and Failure 6 when an evaluation overflows.
ZeroReport SuchNullstelle(const Polynomial& poly, const numtext::FieldValue& ix1,
                          const numtext::FieldValue& ix2, std::string_view p01x);

}  // namespace analysis
