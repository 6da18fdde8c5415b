#pragma once

#include <string>

namespace exact {

class Expr;

// An exact rational number, always in lowest terms with a positive denominator. The FLINT value
// lives in the object's own storage, so this header needs no FLINT header.
class Rational {
  public:
    Rational();
    Rational(long value);  // NOLINT: integers convert as they do in mathematics
    Rational(long numerator, long denominator);
    Rational(const Rational& other);
    Rational(Rational&& other) noexcept;
    Rational& operator=(const Rational& other);
    Rational& operator=(Rational&& other) noexcept;
    ~Rational();

    bool isZero() const;
    bool isInteger() const;
    int sign() const;
    std::string numerator() const;    // decimal digits with a sign, "-2"
    std::string denominator() const;  // decimal digits, "3"
    std::string text() const;         // "-2/3", "5"
    Expr expr() const;                // -(2/3) as a tree, for the renderers
    double toDouble() const;          // nearest double; ±inf beyond the doubles

    friend Rational operator+(const Rational& a, const Rational& b);
    friend Rational operator-(const Rational& a, const Rational& b);
    friend Rational operator*(const Rational& a, const Rational& b);
    friend Rational operator/(const Rational& a, const Rational& b);  // b != 0
    friend Rational operator-(const Rational& a);
    friend bool operator==(const Rational& a, const Rational& b);
    friend bool operator<(const Rational& a, const Rational& b);

  private:
    friend struct RationalAccess;
    alignas(8) long raw_[2];  // FLINT's fmpq: numerator and denominator
};

}  // namespace exact
