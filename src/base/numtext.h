#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Every number the user sees is written and read here, in German notation (decimal comma).
namespace numtext {

// Default conversion: at most 15 significant digits, trailing zeros dropped, exponent form as
// C's %.15G chooses it ("1E-05", "1E+15"), decimal comma; a negative zero is written "0".
// A value that is not finite is failure 6.
std::string format(double value);

// The default conversion with a decimal point, as numbers are put into terms.
std::string formatForTerm(double value);

// Plain decimal notation with up to 15 significant digits and the decimal comma, never an
// exponent ("0,00001", "1000000000000000000000").
std::string formatPlain(double value);

// Fixed decimals, halves away from zero, at least one digit before the comma; a value that
// rounds to zero is written without a sign. Pattern "0.0000" is formatFixed(v, 4).
std::string formatFixed(double value, int decimals);

// Pattern "#,##0": a whole number, halves away from zero, a point groups the thousands.
std::string formatThousands(double value);

// A number text taken apart, before any rounding: value = ±0.integer fraction × 10^exponent
// read as integer,fraction × 10^exponent.
struct DecimalText {
    bool negative = false;
    std::string integer;     // the digits before the decimal separator, thousands points removed
    std::string fraction;    // the digits after it
    long long exponent = 0;  // saturated at ±10^12, far beyond every double
};

// Text to number in German notation: blanks around it ignored, optional sign, a comma is the
// decimal separator, optional exponent. A point groups thousands only where it stands between
// groups of three digits after a first group of one to three digits that does not start with 0
// ("1.000", "12.345.678,5"); any other point is the decimal separator, as a typed point becomes a
// comma ("0.25", "1.5", "12.34"). Anything else (empty, "-", ",", "#", letters) is failure 13.
DecimalText readDecimal(std::string_view text);

// The power of ten just above the number's first significant digit: 1 for 5, 0 for 0,5, 3 for
// 1.000; the smallest long long for zero.
long long decimalMagnitude(const DecimalText& d);

// readDecimal's number as a double; a value too large is failure 6, a tiny one reads as 0.
double parse(std::string_view text);

// Conversion to a 32-bit integer: nearest, halves to even; out of range is failure 6.
std::int32_t toInt32(double value);
// The same with 64 bits.
std::int64_t toInt64(double value);

// Rounding to a number of decimals, halves to even (on the scaled binary value).
double roundTo(double value, int decimals);

}  // namespace numtext
