#include "exact/rational.h"

#include <flint/fmpq.h>

#include <memory>

#include "exact/expr.h"
#include "exact/flint_types.h"

namespace exact {

static_assert(sizeof(fmpq) == sizeof(long[2]) && alignof(fmpq) <= 8);

std::string Fmpz::text() const {
    std::unique_ptr<char, void (*)(void*)> s(fmpz_get_str(nullptr, 10, v_), flint_free);
    return s.get();
}

namespace {
fmpq* q(Rational& r) { return RationalAccess::get(r); }
const fmpq* q(const Rational& r) { return RationalAccess::get(r); }
}  // namespace

Rational::Rational() { fmpq_init(q(*this)); }
Rational::Rational(long value) {
    fmpq_init(q(*this));
    fmpq_set_si(q(*this), value, 1);
}
Rational::Rational(long numerator, long denominator) {
    fmpq_init(q(*this));
    fmpq_set_si(q(*this), numerator, 1);
    Fmpq d(denominator);
    fmpq_div(q(*this), q(*this), d.get());
}
Rational::Rational(const Rational& other) {
    fmpq_init(q(*this));
    fmpq_set(q(*this), q(other));
}
Rational::Rational(Rational&& other) noexcept {
    fmpq_init(q(*this));
    fmpq_swap(q(*this), q(other));
}
Rational& Rational::operator=(const Rational& other) {
    fmpq_set(q(*this), q(other));
    return *this;
}
Rational& Rational::operator=(Rational&& other) noexcept {
    fmpq_swap(q(*this), q(other));
    return *this;
}
Rational::~Rational() { fmpq_clear(q(*this)); }

bool Rational::isZero() const { return fmpq_is_zero(q(*this)); }
bool Rational::isInteger() const { return fmpz_is_one(fmpq_denref(q(*this))); }
int Rational::sign() const { return fmpq_sgn(q(*this)); }
std::string Rational::numerator() const { return Fmpz(fmpq_numref(q(*this))).text(); }
std::string Rational::denominator() const { return Fmpz(fmpq_denref(q(*this))).text(); }
std::string Rational::text() const {
    return isInteger() ? numerator() : numerator() + "/" + denominator();
}
Expr Rational::expr() const { return rationalExpr(q(*this)); }

double Rational::toDouble() const {
    Arb a;
    arb_set_fmpq(a.get(), q(*this), 64);
    return arf_get_d(arb_midref(a.get()), ARF_RND_NEAR);
}

Rational operator+(const Rational& a, const Rational& b) {
    Rational r;
    fmpq_add(q(r), q(a), q(b));
    return r;
}
Rational operator-(const Rational& a, const Rational& b) {
    Rational r;
    fmpq_sub(q(r), q(a), q(b));
    return r;
}
Rational operator*(const Rational& a, const Rational& b) {
    Rational r;
    fmpq_mul(q(r), q(a), q(b));
    return r;
}
Rational operator/(const Rational& a, const Rational& b) {
    Rational r;
    fmpq_div(q(r), q(a), q(b));
    return r;
}
Rational operator-(const Rational& a) {
    Rational r;
    fmpq_neg(q(r), q(a));
    return r;
}
bool operator==(const Rational& a, const Rational& b) { return fmpq_equal(q(a), q(b)); }
bool operator<(const Rational& a, const Rational& b) { return fmpq_cmp(q(a), q(b)) < 0; }

}  // namespace exact
