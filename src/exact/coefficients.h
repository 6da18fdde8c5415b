#pragma once

#include <array>
#include <string>
#include <variant>

#include "exact/rational.h"

namespace exact {

// A, B, C, D, E of y = A·x^4 + B·x^3 + C·x^2 + D·x + E, in this order.
using Coefficients = std::array<Rational, 5>;

// Why a coefficient text cannot be read; field 0..4 is txtA..txtE.
struct ReadError {
    enum class Why {
        NotANumber,    // not German number text
        TooLarge,      // 10^1000 or more
        TooSmall,      // nonzero, below 10^-1001
        TooManyDigits  // more than kMaxDigits significant digits
    };
    int field = 0;
    Why why = Why::NotANumber;
};

// Far beyond what anybody types, and small enough that nothing can take long.
constexpr int kMaxMagnitude = 1000;
constexpr int kMaxDigits = 2000;

// The typed decimals as exact rationals ("0,25" is 1/4, "1.000" is 1000, "1E-300" exactly);
// an empty text is 0, a text of blanks only is no number. The first field that cannot be read
// is the error.
std::variant<Coefficients, ReadError> readCoefficients(const std::array<std::string, 5>& texts);

// As above, where a field's exact fraction ("-1/3", as Rational::text() writes it) stands in for
// its text; an empty fraction leaves the text to be read.
std::variant<Coefficients, ReadError> readCoefficients(const std::array<std::string, 5>& texts,
                                                       const std::array<std::string, 5>& fractions);

// One text; throws nothing.
std::variant<Rational, ReadError::Why> readCoefficient(const std::string& text);

}  // namespace exact
