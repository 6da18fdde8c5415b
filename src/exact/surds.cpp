#include "exact/surds.h"

#include <flint/fmpz_factor.h>

namespace exact {

namespace {

// Trial division reaches the primes below 2^15; beyond them only cofactors below 2^64 are
// factored completely, which is quick. Factoring a 100-bit cofactor takes milliseconds.
constexpr slong kTrialPrimes = 3500;

struct Factorisation {
    fmpz_factor_t f;
    Factorisation() { fmpz_factor_init(f); }
    ~Factorisation() { fmpz_factor_clear(f); }
    Factorisation(const Factorisation&) = delete;
    Factorisation& operator=(const Factorisation&) = delete;
};

}  // namespace

void squareParts(const fmpz* n, Fmpz& k, Fmpz& m) {
    fmpz_one(k.get());
    fmpz_one(m.get());
    if (fmpz_is_zero(n)) {
        fmpz_zero(m.get());
        return;
    }
    Fmpz rest;
    fmpz_abs(rest.get(), n);
    auto absorb = [&](const fmpz_factor_t f) {
        for (slong i = 0; i < f->num; ++i) {
            Fmpz power;
            fmpz_pow_ui(power.get(), f->p + i, f->exp[i] / 2);
            fmpz_mul(k.get(), k.get(), power.get());
            if (f->exp[i] % 2) fmpz_mul(m.get(), m.get(), f->p + i);
        }
    };
    if (fmpz_bits(rest.get()) <= 64) {
        Factorisation f;
        fmpz_factor(f.f, rest.get());
        absorb(f.f);
    } else {
        Factorisation f;
        fmpz_factor_trial_range(f.f, rest.get(), 0, kTrialPrimes);
        // The cofactor is what the trial division left: n divided by the primes it found.
        Fmpz found(1);
        for (slong i = 0; i < f.f->num; ++i) {
            Fmpz power;
            fmpz_pow_ui(power.get(), f.f->p + i, f.f->exp[i]);
            fmpz_mul(found.get(), found.get(), power.get());
        }
        absorb(f.f);
        fmpz_divexact(rest.get(), rest.get(), found.get());
        if (fmpz_bits(rest.get()) <= 64) {
            Factorisation g;
            fmpz_factor(g.f, rest.get());
            absorb(g.f);
        } else if (fmpz_is_square(rest.get())) {
            Fmpz root;
            fmpz_sqrt(root.get(), rest.get());
            fmpz_mul(k.get(), k.get(), root.get());
        } else {
            fmpz_mul(m.get(), m.get(), rest.get());
        }
    }
    if (fmpz_sgn(n) < 0) fmpz_neg(m.get(), m.get());
}

void Surds::addRational(const Fmpq& q) { fmpq_add(rational_.get(), rational_.get(), q.get()); }

void Surds::addTerm(const Fmpz& d, const Fmpq& c) {
    if (c.isZero()) return;
    auto it = terms_.begin();
    while (it != terms_.end() && fmpz_cmp(it->d.get(), d.get()) < 0) ++it;
    if (it != terms_.end() && fmpz_equal(it->d.get(), d.get())) {
        fmpq_add(it->c.get(), it->c.get(), c.get());
        if (it->c.isZero()) terms_.erase(it);
        return;
    }
    terms_.insert(it, Term{d, c});
}

void Surds::add(const Surds& other) {
    addRational(other.rational_);
    for (const Term& t : other.terms_) addTerm(t.d, t.c);
}

void Surds::addSqrt(const Fmpq& coefficient, const Fmpq& radicand) {
    if (radicand.isZero() || coefficient.isZero()) return;
    // √(n/d) = √(n·d)/d = k·√m/d
    Fmpz nd, k, m;
    fmpz_mul(nd.get(), fmpq_numref(radicand.get()), fmpq_denref(radicand.get()));
    squareParts(nd.get(), k, m);
    Fmpq c;
    fmpq_set_fmpz_frac(c.get(), k.get(), fmpq_denref(radicand.get()));
    fmpq_mul(c.get(), c.get(), coefficient.get());
    if (fmpz_is_one(m.get()))
        addRational(c);
    else
        addTerm(m, c);
}

void Surds::scale(const Fmpq& factor) {
    if (factor.isZero()) {
        *this = Surds();
        return;
    }
    fmpq_mul(rational_.get(), rational_.get(), factor.get());
    for (Term& t : terms_) fmpq_mul(t.c.get(), t.c.get(), factor.get());
}

Surds Surds::times(const Surds& other) const {
    Surds r(rational_);
    r.scale(other.rational_);
    for (const Term& t : other.terms_) {
        Fmpq c;
        fmpq_mul(c.get(), t.c.get(), rational_.get());
        r.addTerm(t.d, c);
    }
    for (const Term& s : terms_) {
        Fmpq c;
        fmpq_mul(c.get(), s.c.get(), other.rational_.get());
        r.addTerm(s.d, c);
        for (const Term& t : other.terms_) {
            // √d·√e = g·√(d/g · e/g) with g = gcd(d, e), both square-free
            Fmpz g, a, b;
            fmpz_gcd(g.get(), s.d.get(), t.d.get());
            fmpz_divexact(a.get(), s.d.get(), g.get());
            fmpz_divexact(b.get(), t.d.get(), g.get());
            fmpz_mul(a.get(), a.get(), b.get());
            Fmpq product;
            fmpq_mul(product.get(), s.c.get(), t.c.get());
            fmpq_mul_fmpz(product.get(), product.get(), g.get());
            if (fmpz_is_one(a.get()))
                r.addRational(product);
            else
                r.addTerm(a, product);
        }
    }
    return r;
}

void Surds::enclose(arb_t out, slong prec) const {
    arb_set_fmpq(out, rational_.get(), prec);
    Arb root;
    for (const Term& t : terms_) {
        arb_sqrt_fmpz(root.get(), t.d.get(), prec);
        arb_mul_fmpz(root.get(), root.get(), fmpq_numref(t.c.get()), prec);
        arb_div_fmpz(root.get(), root.get(), fmpq_denref(t.c.get()), prec);
        arb_add(out, out, root.get(), prec);
    }
}

Expr Surds::expr() const {
    if (terms_.empty()) return rationalExpr(rational_.get());
    // One denominator for all: (n0 + Σ n·√d)/L, in lowest terms as L is the lcm.
    Fmpz lcm(fmpq_denref(rational_.get()));
    for (const Term& t : terms_) fmpz_lcm(lcm.get(), lcm.get(), fmpq_denref(t.c.get()));
    auto numeratorOf = [&](const Fmpq& c) {
        Fmpz n;
        fmpz_divexact(n.get(), lcm.get(), fmpq_denref(c.get()));
        fmpz_mul(n.get(), n.get(), fmpq_numref(c.get()));
        return n;
    };
    std::vector<Expr> parts;
    std::vector<bool> negative;
    if (!rational_.isZero()) {
        Fmpz n = numeratorOf(rational_);
        negative.push_back(fmpz_sgn(n.get()) < 0);
        fmpz_abs(n.get(), n.get());
        parts.push_back(Expr::integer(n.text()));
    }
    for (const Term& t : terms_) {
        Fmpz n = numeratorOf(t.c);
        negative.push_back(fmpz_sgn(n.get()) < 0);
        fmpz_abs(n.get(), n.get());
        Expr root = Expr::sqrt(Expr::integer(t.d.text()));
        parts.push_back(fmpz_is_one(n.get()) ? root
                                             : Expr::product({Expr::integer(n.text()), root}));
    }
    const bool whole = fmpz_is_one(lcm.get());
    if (parts.size() == 1) {
        Expr e = whole ? parts[0] : Expr::quotient(parts[0], Expr::integer(lcm.text()));
        return negative[0] ? Expr::negation(e) : e;
    }
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (negative[i]) parts[i] = Expr::negation(parts[i]);
    Expr s = Expr::sum(std::move(parts));
    return whole ? s : Expr::quotient(s, Expr::integer(lcm.text()));
}

}  // namespace exact
