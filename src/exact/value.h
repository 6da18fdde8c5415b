#pragma once

#include <optional>
#include <string>

#include "exact/expr.h"

namespace exact {

// A real number of the discussion: its closed form where the school methods reach one, and its
// certified decimal, correctly rounded to four places ("-1,4142", never "-0,0000").
struct Value {
    std::optional<Expr> exact;  // absent for a root of an irreducible cubic, say
    std::string decimal;        // decided from an enclosure, halves away from zero
    double approx = 0;          // for plotting; ±inf beyond the doubles

    // "EXACT~DECIMAL", EXACT empty where there is no closed form.
    std::string text() const { return (exact ? exact->text() : std::string()) + "~" + decimal; }
};

// An end of an interval, a limit or a bound of the range.
struct Bound {
    enum class Kind { MinusInfinity, Finite, PlusInfinity };
    Kind kind = Kind::Finite;
    Value value;  // for Finite

    static Bound minusInfinity() { return {Kind::MinusInfinity, {}}; }
    static Bound plusInfinity() { return {Kind::PlusInfinity, {}}; }
    static Bound finite(Value v) { return {Kind::Finite, std::move(v)}; }
    std::string text() const {
        return kind == Kind::MinusInfinity  ? "-inf"
               : kind == Kind::PlusInfinity ? "inf"
                                            : value.text();
    }
};

}  // namespace exact
