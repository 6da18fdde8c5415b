#pragma once

// Checks of the exact core that share none of its code: EXACT texts evaluated by a parser of
// their own, exactly with GMP rationals or with MPFR at 24000 bits, and f evaluated the same way.

#include <gmp.h>
#include <mpfr.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace checks {

// Enough for the values of coefficients up to 10^±1000 (values up to about 10^5000).
constexpr mpfr_prec_t kBits = 24000;

// A GMP rational.
class Q {
  public:
    Q() { mpq_init(v_); }
    Q(long n, unsigned long d = 1) {  // NOLINT
        mpq_init(v_);
        mpq_set_si(v_, n, d);
        mpq_canonicalize(v_);
    }
    explicit Q(const std::string& integer) {
        mpq_init(v_);
        mpz_set_str(mpq_numref(v_), integer.c_str(), 10);
    }
    Q(const Q& o) {
        mpq_init(v_);
        mpq_set(v_, o.v_);
    }
    Q& operator=(const Q& o) {
        mpq_set(v_, o.v_);
        return *this;
    }
    ~Q() { mpq_clear(v_); }
    mpq_ptr get() { return v_; }
    mpq_srcptr get() const { return v_; }
    int sign() const { return mpq_sgn(v_); }
    bool isInteger() const { return mpz_cmp_ui(mpq_denref(v_), 1) == 0; }

    friend Q operator+(const Q& a, const Q& b) { return op(a, b, mpq_add); }
    friend Q operator-(const Q& a, const Q& b) { return op(a, b, mpq_sub); }
    friend Q operator*(const Q& a, const Q& b) { return op(a, b, mpq_mul); }
    friend Q operator/(const Q& a, const Q& b) { return op(a, b, mpq_div); }
    friend bool operator==(const Q& a, const Q& b) { return mpq_equal(a.v_, b.v_) != 0; }
    friend bool operator<(const Q& a, const Q& b) { return mpq_cmp(a.v_, b.v_) < 0; }

  private:
    static Q op(const Q& a, const Q& b, void (*f)(mpq_ptr, mpq_srcptr, mpq_srcptr)) {
        Q r;
        f(r.v_, a.v_, b.v_);
        return r;
    }
    mpq_t v_;
};

class Real {
  public:
    Real() { mpfr_init2(v_, kBits); }
    Real(const Real& o) {
        mpfr_init2(v_, kBits);
        mpfr_set(v_, o.v_, MPFR_RNDN);
    }
    Real& operator=(const Real& o) {
        mpfr_set(v_, o.v_, MPFR_RNDN);
        return *this;
    }
    ~Real() { mpfr_clear(v_); }
    mpfr_ptr get() { return v_; }
    mpfr_srcptr get() const { return v_; }

  private:
    mpfr_t v_;
};

// The value of an EXACT text: exact when it has no sqrt.
struct Evaluated {
    Real real;
    std::optional<Q> rational;
};
Evaluated evaluate(const std::string& exactText);

// A German coefficient text as the exact rational it denotes, read here without numtext.
Q readGerman(const std::string& text);

// The correct rounding to four decimals, halves away from zero, as the facts write it.
std::string roundedExactly(const Q& q);
std::string rounded(const Real& x);

// f(x) for y = A·x^4 + … + E.
Q polyAt(const std::array<Q, 5>& c, const Q& x);
Real polyAt(const std::array<Q, 5>& c, const Real& x);

}  // namespace checks
