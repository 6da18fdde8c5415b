#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/document.h"
#include "exact/discussion.h"

// Exact numbers for the Lösungsweg: rationals from the discussion's digits, and numbers a + b·√d
// that the school methods produce, so that every exact number on the way is computed, not
// rounded. Internal to the document.
namespace doc::way {

exact::Rational integerOf(const std::string& signedDigits);
exact::Rational numeratorOf(const exact::Rational& r);
exact::Rational denominatorOf(const exact::Rational& r);
exact::Rational evaluate(const exact::Polynomial& p, const exact::Rational& x);
long double evaluate(const exact::Polynomial& p, long double x);
exact::Polynomial derivative(const exact::Polynomial& p);

// a + b·√d with d square-free and at least 2, or b = 0.
struct Surd {
    exact::Rational a, b, d;
    bool isZero() const { return a.isZero() && b.isZero(); }
    int sign() const;
    exact::Expr expr() const;
    double approx() const;
};

// The closed form read back, where it lies in one field ℚ(√d): not for nested roots.
std::optional<Surd> surdOf(const exact::Expr& e);
std::optional<Surd> evaluate(const exact::Polynomial& p, const Surd& x);
std::optional<Surd> difference(const Surd& x, const Surd& y);

// p at a value of the discussion: exact where the value lies in ℚ(√d), else a decimal.
struct Evaluated {
    std::optional<Surd> exact;
    long double approx = 0;
    int sign() const { return exact ? exact->sign() : (approx > 0) - (approx < 0); }
};
Evaluated evaluate(const exact::Polynomial& p, const exact::Value& x);

// √r simplified where its numerator and denominator fit a long, √(r) as it stands otherwise; the
// rational root itself for a square.
struct SquareRoot {
    std::optional<exact::Rational> rational;
    Math math;
};
SquareRoot squareRoot(const exact::Rational& r);

// German decimals from a double: "−1,2346", never "−0,0000".
std::string decimal(long double v, int places = 4);

Math text(std::string s);
Math number(const exact::Rational& r);
Math number(const Surd& s);
// "= −2 < 0", "≈ 0,5123 > 0": the value and its sign, as the conditions are written.
Math valueAndSign(const Evaluated& e, int sign);
Paragraph line(std::vector<Math> items);
Paragraph sentence(std::string s);
Math indexed(const std::string& name, std::size_t i, std::size_t count);
std::string plural(int multiplicity);  // "einfache", "doppelte", …
// A simple rational strictly between lo and hi for a test value.
exact::Rational between(long double lo, long double hi);

}  // namespace doc::way
