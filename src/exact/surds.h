#pragma once

// Sums of rational multiples of square roots, r + Σ c·√d with d square-free and at least 2: the
// rationals, the quadratic irrationals and the denested zeros of x⁴ + p·x² + q, closed under
// sums and products. Internal to the exact core.

#include <optional>
#include <vector>

#include "exact/flint_types.h"

namespace exact {

// n = k²·m with m square-free for all n a person types; for a huge n only the squares of small
// primes are taken out, so m may keep a large square (the value stays right).
void squareParts(const fmpz* n, Fmpz& k, Fmpz& m);

class Surds {
  public:
    Surds() = default;
    explicit Surds(const Fmpq& rational) : rational_(rational) {}

    bool isRational() const { return terms_.empty(); }
    bool isZero() const { return terms_.empty() && rational_.isZero(); }
    const Fmpq& rational() const { return rational_; }

    void add(const Surds& other);
    void addRational(const Fmpq& q);
    // Adds coefficient·√radicand for a rational radicand >= 0.
    void addSqrt(const Fmpq& coefficient, const Fmpq& radicand);
    void scale(const Fmpq& factor);
    Surds times(const Surds& other) const;

    void enclose(arb_t out, slong prec) const;
    Expr expr() const;

    struct Term {
        Fmpz d;
        Fmpq c;
    };
    const std::vector<Term>& terms() const { return terms_; }

  private:
    void addTerm(const Fmpz& d, const Fmpq& c);  // d square-free >= 2
    Fmpq rational_;
    std::vector<Term> terms_;  // ascending d, no zero coefficient
};

}  // namespace exact
