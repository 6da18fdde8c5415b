#pragma once

#include <optional>
#include <string>

#include "document/math.h"
#include "exact/expr.h"
#include "exact/polynomial.h"
#include "exact/value.h"

// Exact values and polynomials written as a German student writes them: −√2, (1 + √5)/2,
// ¼x⁴ − 2x², the decimal comma, "≈" before a decimal.
namespace doc {

Math schoolMath(const exact::Expr& expr);

// The polynomial in x, highest power first: "¼x⁴ − 2x²", "0" for the zero polynomial.
Math schoolMath(const exact::Polynomial& p, const std::string& variable = "x");

// "−√2 ≈ −1,4142" after "=", or "≈ 1,2346" where there is no closed form; an integer alone.
// Written after "name" ("x₁", "m"): "x₁ = −√2 ≈ −1,4142".
Math equation(const Math& name, const exact::Value& value);

// The value alone: its closed form, or its decimal where it has none.
Math valueMath(const exact::Value& value);

// A point "H(2/3 | 14/27) ≈ H(0,6667 | 0,5185)"; the decimals are left out where both
// coordinates are integers, and stand alone where a coordinate has no closed form.
Math point(const std::string& name, const exact::Value& x, const exact::Value& y);

// "−∞", "+∞" or the value.
Math boundMath(const exact::Bound& bound);

}  // namespace doc
