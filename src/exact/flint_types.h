#pragma once

// RAII owners of FLINT and Arb values, for the exact core's own .cpp files only: nothing outside
// src/exact includes this header.

#include <acb.h>
#include <arb.h>
#include <flint/fmpq.h>
#include <flint/fmpq_poly.h>
#include <flint/fmpz.h>
#include <flint/fmpz_poly.h>

#include <string>
#include <utility>

#include "exact/expr.h"
#include "exact/rational.h"

namespace exact {

class Fmpz {
  public:
    Fmpz() { fmpz_init(v_); }
    explicit Fmpz(long x) { fmpz_init_set_si(v_, x); }
    explicit Fmpz(int x) { fmpz_init_set_si(v_, x); }
    explicit Fmpz(const fmpz* x) { fmpz_init_set(v_, x); }
    Fmpz(const Fmpz& o) { fmpz_init_set(v_, o.v_); }
    Fmpz(Fmpz&& o) noexcept {
        fmpz_init(v_);
        fmpz_swap(v_, o.v_);
    }
    Fmpz& operator=(const Fmpz& o) {
        fmpz_set(v_, o.v_);
        return *this;
    }
    Fmpz& operator=(Fmpz&& o) noexcept {
        fmpz_swap(v_, o.v_);
        return *this;
    }
    ~Fmpz() { fmpz_clear(v_); }
    fmpz* get() { return v_; }
    const fmpz* get() const { return v_; }
    std::string text() const;

  private:
    fmpz_t v_;
};

class Fmpq {
  public:
    Fmpq() { fmpq_init(v_); }
    explicit Fmpq(long x) {
        fmpq_init(v_);
        fmpq_set_si(v_, x, 1);
    }
    explicit Fmpq(int x) : Fmpq(static_cast<long>(x)) {}
    explicit Fmpq(const fmpq* x) {
        fmpq_init(v_);
        fmpq_set(v_, x);
    }
    Fmpq(const Fmpq& o) {
        fmpq_init(v_);
        fmpq_set(v_, o.v_);
    }
    Fmpq(Fmpq&& o) noexcept {
        fmpq_init(v_);
        fmpq_swap(v_, o.v_);
    }
    Fmpq& operator=(const Fmpq& o) {
        fmpq_set(v_, o.v_);
        return *this;
    }
    Fmpq& operator=(Fmpq&& o) noexcept {
        fmpq_swap(v_, o.v_);
        return *this;
    }
    ~Fmpq() { fmpq_clear(v_); }
    fmpq* get() { return v_; }
    const fmpq* get() const { return v_; }
    int sign() const { return fmpq_sgn(v_); }
    bool isZero() const { return fmpq_is_zero(v_); }

  private:
    fmpq_t v_;
};

class FmpzPoly {
  public:
    FmpzPoly() { fmpz_poly_init(v_); }
    FmpzPoly(const FmpzPoly& o) {
        fmpz_poly_init(v_);
        fmpz_poly_set(v_, o.v_);
    }
    FmpzPoly(FmpzPoly&& o) noexcept {
        fmpz_poly_init(v_);
        fmpz_poly_swap(v_, o.v_);
    }
    FmpzPoly& operator=(const FmpzPoly& o) {
        fmpz_poly_set(v_, o.v_);
        return *this;
    }
    FmpzPoly& operator=(FmpzPoly&& o) noexcept {
        fmpz_poly_swap(v_, o.v_);
        return *this;
    }
    ~FmpzPoly() { fmpz_poly_clear(v_); }
    fmpz_poly_struct* get() { return v_; }
    const fmpz_poly_struct* get() const { return v_; }
    long degree() const { return fmpz_poly_degree(v_); }

  private:
    fmpz_poly_t v_;
};

class FmpqPoly {
  public:
    FmpqPoly() { fmpq_poly_init(v_); }
    FmpqPoly(const FmpqPoly& o) {
        fmpq_poly_init(v_);
        fmpq_poly_set(v_, o.v_);
    }
    FmpqPoly(FmpqPoly&& o) noexcept {
        fmpq_poly_init(v_);
        fmpq_poly_swap(v_, o.v_);
    }
    FmpqPoly& operator=(const FmpqPoly& o) {
        fmpq_poly_set(v_, o.v_);
        return *this;
    }
    FmpqPoly& operator=(FmpqPoly&& o) noexcept {
        fmpq_poly_swap(v_, o.v_);
        return *this;
    }
    ~FmpqPoly() { fmpq_poly_clear(v_); }
    fmpq_poly_struct* get() { return v_; }
    const fmpq_poly_struct* get() const { return v_; }
    long degree() const { return fmpq_poly_degree(v_); }
    Fmpq coefficient(long power) const {
        Fmpq c;
        fmpq_poly_get_coeff_fmpq(c.get(), v_, power);
        return c;
    }

  private:
    fmpq_poly_t v_;
};

class Arb {
  public:
    Arb() { arb_init(v_); }
    Arb(const Arb& o) {
        arb_init(v_);
        arb_set(v_, o.v_);
    }
    Arb(Arb&& o) noexcept {
        arb_init(v_);
        arb_swap(v_, o.v_);
    }
    Arb& operator=(const Arb& o) {
        arb_set(v_, o.v_);
        return *this;
    }
    Arb& operator=(Arb&& o) noexcept {
        arb_swap(v_, o.v_);
        return *this;
    }
    ~Arb() { arb_clear(v_); }
    arb_struct* get() { return v_; }
    const arb_struct* get() const { return v_; }

  private:
    arb_t v_;
};

class Arf {
  public:
    Arf() { arf_init(v_); }
    Arf(const Arf& o) {
        arf_init(v_);
        arf_set(v_, o.v_);
    }
    Arf(Arf&& o) noexcept {
        arf_init(v_);
        arf_swap(v_, o.v_);
    }
    Arf& operator=(const Arf& o) {
        arf_set(v_, o.v_);
        return *this;
    }
    Arf& operator=(Arf&& o) noexcept {
        arf_swap(v_, o.v_);
        return *this;
    }
    ~Arf() { arf_clear(v_); }
    arf_struct* get() { return v_; }
    const arf_struct* get() const { return v_; }

  private:
    arf_t v_;
};

// The fmpq inside a Rational.
struct RationalAccess {
    static fmpq* get(Rational& r) { return reinterpret_cast<fmpq*>(r.raw_); }
    static const fmpq* get(const Rational& r) { return reinterpret_cast<const fmpq*>(r.raw_); }
};

inline Rational toRational(const fmpq* q) {
    Rational r;
    fmpq_set(RationalAccess::get(r), q);
    return r;
}
inline const fmpq* raw(const Rational& r) { return RationalAccess::get(r); }

// A rational as an Expr: -(2/3).
Expr rationalExpr(const fmpq* q);

}  // namespace exact
