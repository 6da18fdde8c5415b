#pragma once

// Real algebraic numbers as the discussion meets them: a value P(α) for a rational polynomial P
// and a real root α of an irreducible integer polynomial, with exact closed forms where the
// school methods reach them and certified enclosures always. Internal to the exact core.

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "exact/discussion.h"
#include "exact/flint_types.h"
#include "exact/real_roots.h"
#include "exact/surds.h"

namespace exact {

// Precision escalation stops here; a decision still open is one between values that are equal
// (a rational tie of a sum of different algebraic numbers), far beyond every typed coefficient.
constexpr slong kMaxPrecision = slong(1) << 17;

// The real roots of an irreducible primitive integer polynomial with positive leading
// coefficient, ascending.
class FactorRoots {
  public:
    explicit FactorRoots(const FmpzPoly& g);

    const FmpzPoly& polynomial() const { return g_; }
    Method method() const { return method_; }
    int realCount() const { return static_cast<int>(exact_.size()); }
    const std::optional<Surds>& surds(int index) const { return exact_[index]; }
    const std::optional<Expr>& nested(int index) const { return nested_[index]; }
    // An enclosure of root `index` with at least about `prec` bits.
    void enclose(arb_t out, int index, slong prec) const;

  private:
    bool biquadratic();
    FmpzPoly g_;
    Method method_ = Method::Numeric;
    std::vector<std::optional<Surds>> exact_;
    std::vector<std::optional<Expr>> nested_;
    // Degree 3 and 4: isolated exactly, narrowed on demand.
    mutable std::unique_ptr<RealRoots> real_;
};

// residue(α) for root `index` of `at`, residue reduced modulo the root's polynomial; a rational
// has no root.
struct Number {
    std::shared_ptr<const FactorRoots> at;
    int index = 0;
    FmpqPoly residue;

    static Number rational(const Fmpq& q);
    static Number of(std::shared_ptr<const FactorRoots> at, int index, const FmpqPoly& p);
    bool isRational() const { return residue.degree() <= 0; }
    Fmpq rationalValue() const { return residue.coefficient(0); }
    std::optional<Surds> surds() const;
    std::optional<Expr> expr() const;
    void enclose(arb_t out, slong prec) const;
};

// -1, 0, 1: exact where the values are equal.
int compare(const Number& a, const Number& b);

Value valueOf(const Number& n);
Value valueOf(const Surds& s);
// A value known only by enclosures, refined until its rounding is decided.
Value valueOf(const std::function<void(arb_t, slong)>& enclose);

}  // namespace exact
