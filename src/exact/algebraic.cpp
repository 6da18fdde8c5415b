#include "exact/algebraic.h"

#include <arb_fmpz_poly.h>

#include <algorithm>

namespace exact {

// ---- decimals ----

namespace {

std::string withFourDecimals(const Fmpz& n) {
    Fmpz a;
    fmpz_abs(a.get(), n.get());
    std::string digits = a.text();
    if (digits.size() < 5) digits = std::string(5 - digits.size(), '0') + digits;
    const std::size_t split = digits.size() - 4;
    return (fmpz_sgn(n.get()) < 0 ? "-" : "") + digits.substr(0, split) + "," +
           digits.substr(split);
}

// round(q·10^4), halves away from zero.
Fmpz roundRational(const Fmpq& q) {
    Fmpz num, den, n;
    fmpz_abs(num.get(), fmpq_numref(q.get()));
    fmpz_mul_ui(num.get(), num.get(), 20000);
    fmpz_mul_ui(den.get(), fmpq_denref(q.get()), 2);
    fmpz_add(num.get(), num.get(), fmpq_denref(q.get()));
    fmpz_fdiv_q(n.get(), num.get(), den.get());
    if (q.sign() < 0) fmpz_neg(n.get(), n.get());
    return n;
}

// round(y), halves away from zero, when every point of y rounds alike.
std::optional<Fmpz> roundEnclosure(const arb_t y, slong prec) {
    if (!arb_is_finite(y)) return std::nullopt;
    Arf lo, hi, half, a, b;
    arb_get_lbound_arf(lo.get(), y, prec);
    arb_get_ubound_arf(hi.get(), y, prec);
    arf_set_d(half.get(), 0.5);
    Fmpz nlo, nhi;
    if (arf_sgn(lo.get()) >= 0) {
        arf_add(a.get(), lo.get(), half.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
        arf_add(b.get(), hi.get(), half.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
        arf_get_fmpz(nlo.get(), a.get(), ARF_RND_FLOOR);
        arf_get_fmpz(nhi.get(), b.get(), ARF_RND_FLOOR);
    } else if (arf_sgn(hi.get()) <= 0) {
        arf_sub(a.get(), lo.get(), half.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
        arf_sub(b.get(), hi.get(), half.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
        arf_get_fmpz(nlo.get(), a.get(), ARF_RND_CEIL);
        arf_get_fmpz(nhi.get(), b.get(), ARF_RND_CEIL);
    } else {
        arf_neg(a.get(), half.get());
        if (arf_cmp(lo.get(), a.get()) > 0 && arf_cmp(hi.get(), half.get()) < 0) return Fmpz(0);
        return std::nullopt;
    }
    if (!fmpz_equal(nlo.get(), nhi.get())) return std::nullopt;
    return nlo;
}

double toDouble(const arb_t x) { return arf_get_d(arb_midref(x), ARF_RND_NEAR); }

Value rationalValue(const Fmpq& q) {
    Value v;
    v.exact = rationalExpr(q.get());
    v.decimal = withFourDecimals(roundRational(q));
    Arb a;
    arb_set_fmpq(a.get(), q.get(), 64);
    v.approx = toDouble(a.get());
    return v;
}

// The next precision: doubled, and at least enough bits for the value's size.
slong nextPrecision(const arb_t x, slong prec) {
    slong next = 2 * prec;
    if (arb_is_finite(x) && !arf_is_zero(arb_midref(x))) {
        const slong size = arf_abs_bound_lt_2exp_si(arb_midref(x));
        if (size > 0 && size < kMaxPrecision) next = std::max(next, size + 64);
    }
    return std::min(next, kMaxPrecision);
}

}  // namespace

Value valueOf(const std::function<void(arb_t, slong)>& enclose) {
    Arb x, y;
    for (slong prec = 64;; prec = nextPrecision(x.get(), prec)) {
        enclose(x.get(), prec);
        arb_mul_ui(y.get(), x.get(), 10000, prec);
        std::optional<Fmpz> n = roundEnclosure(y.get(), prec);
        if (!n && prec >= kMaxPrecision) {
            // Undecided at the last precision: a tie, rounded away from zero from the middle.
            Arb mid;
            arb_set_arf(mid.get(), arb_midref(y.get()));
            n = roundEnclosure(mid.get(), prec);
            if (!n) n = Fmpz(0);
        }
        if (n) {
            Value v;
            v.decimal = withFourDecimals(*n);
            v.approx = toDouble(x.get());
            return v;
        }
    }
}

Value valueOf(const Surds& s) {
    if (s.isRational()) return rationalValue(s.rational());
    Value v = valueOf([&](arb_t out, slong prec) { s.enclose(out, prec); });
    v.exact = s.expr();
    return v;
}

Value valueOf(const Number& n) {
    if (n.isRational()) return rationalValue(n.rationalValue());
    if (auto s = n.surds()) return valueOf(*s);
    Value v = valueOf([&](arb_t out, slong prec) { n.enclose(out, prec); });
    v.exact = n.expr();
    return v;
}

// ---- roots of an irreducible factor ----

FactorRoots::FactorRoots(const FmpzPoly& g) : g_(g) {
    const fmpz* c = g_.get()->coeffs;
    switch (g_.degree()) {
        case 1: {
            method_ = Method::RationalRoot;
            Fmpq root;
            fmpq_set_fmpz_frac(root.get(), c + 0, c + 1);
            fmpq_neg(root.get(), root.get());
            exact_.emplace_back(Surds(root));
            break;
        }
        case 2: {
            method_ = Method::QuadraticFormula;
            Fmpz disc, t;
            fmpz_mul(disc.get(), c + 1, c + 1);
            fmpz_mul(t.get(), c + 0, c + 2);
            fmpz_submul_ui(disc.get(), t.get(), 4);
            if (fmpz_sgn(disc.get()) <= 0) break;
            // (-b ∓ √D)/(2a), a > 0
            Fmpq vertex, halfInverse, radicand;
            Fmpz twoA;
            fmpz_mul_ui(twoA.get(), c + 2, 2);
            fmpq_set_fmpz_frac(vertex.get(), c + 1, twoA.get());
            fmpq_neg(vertex.get(), vertex.get());
            fmpq_set_fmpz_frac(halfInverse.get(), Fmpz(1).get(), twoA.get());
            fmpq_set_fmpz_frac(radicand.get(), disc.get(), Fmpz(1).get());
            for (int sign : {-1, 1}) {
                Surds root(vertex);
                Fmpq coefficient(halfInverse);
                if (sign < 0) fmpq_neg(coefficient.get(), coefficient.get());
                root.addSqrt(coefficient, radicand);
                exact_.emplace_back(std::move(root));
            }
            break;
        }
        default: {
            real_ = std::make_unique<RealRoots>(g_);
            const auto count = static_cast<std::size_t>(real_->count());
            exact_.resize(count);
            if (g_.degree() == 4 && !biquadratic()) exact_.assign(count, std::nullopt);
            break;
        }
    }
    nested_.resize(exact_.size());
}

// A quartic that is even in t = x - s with s = -b/(4a): a·(t⁴ + p·t² + q). Its real roots are
// s ± √z for the positive roots z of z² + p·z + q.
bool FactorRoots::biquadratic() {
    FmpqPoly gq, shift, h;
    fmpq_poly_set_fmpz_poly(gq.get(), g_.get());
    Fmpq s;
    Fmpz fourA;
    fmpz_mul_ui(fourA.get(), g_.get()->coeffs + 4, 4);
    fmpq_set_fmpz_frac(s.get(), g_.get()->coeffs + 3, fourA.get());
    fmpq_neg(s.get(), s.get());
    fmpq_poly_set_coeff_fmpq(shift.get(), 0, s.get());
    fmpq_poly_set_coeff_si(shift.get(), 1, 1);
    fmpq_poly_compose(h.get(), gq.get(), shift.get());
    fmpq_poly_make_monic(h.get(), h.get());
    if (!h.coefficient(1).isZero()) return false;
    method_ = Method::Biquadratic;
    const Fmpq p = h.coefficient(2), q = h.coefficient(0);

    Fmpq disc, t;  // p² - 4q > 0, not a square as g is irreducible
    fmpq_mul(disc.get(), p.get(), p.get());
    fmpq_mul_si(t.get(), q.get(), 4);
    fmpq_sub(disc.get(), disc.get(), t.get());
    std::vector<int> positive;  // the signs ± of the positive z = (-p ± √D)/2, ascending
    if (disc.sign() > 0) {
        if (p.sign() < 0 && q.sign() > 0) positive.push_back(-1);
        if (p.sign() < 0 || q.sign() < 0) positive.push_back(1);
    }
    if (positive.size() * 2 != static_cast<std::size_t>(real_->count())) return false;

    Fmpq halfP, half(1);
    fmpq_div_2exp(half.get(), half.get(), 1);
    fmpq_mul(halfP.get(), p.get(), half.get());
    fmpq_neg(halfP.get(), halfP.get());  // u = -p/2, z = u ± √D/2
    // √z denests when q is a rational square c²: √z = √((u+c)/2) ± √((u-c)/2).
    const bool denests = q.sign() > 0 && fmpz_is_square(fmpq_numref(q.get())) &&
                         fmpz_is_square(fmpq_denref(q.get()));
    const auto count = static_cast<std::size_t>(real_->count());
    std::vector<std::optional<Surds>> roots(count);
    std::vector<std::optional<Expr>> nested(count);
    const std::size_t n = positive.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int zSign = positive[i];
        std::optional<Surds> root;
        std::optional<Expr> nestedRoot;
        if (denests) {
            Fmpq c, plus, minus;
            fmpz_sqrt(fmpq_numref(c.get()), fmpq_numref(q.get()));
            fmpz_sqrt(fmpq_denref(c.get()), fmpq_denref(q.get()));
            fmpq_add(plus.get(), halfP.get(), c.get());
            fmpq_sub(minus.get(), halfP.get(), c.get());
            fmpq_mul(plus.get(), plus.get(), half.get());
            fmpq_mul(minus.get(), minus.get(), half.get());
            Surds r;
            r.addSqrt(Fmpq(1), plus);
            r.addSqrt(Fmpq(zSign), minus);
            root = r;
        } else {
            // z = u ± e·√m; √z = √(L²·z)/L with L the common denominator of u and e, and the
            // largest square k² found in the content of L²·z taken out: √z = k·√(…)/L.
            Surds z(halfP);
            Fmpq coefficient(half);
            if (zSign < 0) fmpq_neg(coefficient.get(), coefficient.get());
            z.addSqrt(coefficient, disc);
            Fmpz lcm(fmpq_denref(z.rational().get()));
            for (const auto& term : z.terms())
                fmpz_lcm(lcm.get(), lcm.get(), fmpq_denref(term.c.get()));
            Fmpq l2;
            fmpz_mul(fmpq_numref(l2.get()), lcm.get(), lcm.get());
            z.scale(l2);
            Fmpz content(fmpq_numref(z.rational().get()));
            for (const auto& term : z.terms())
                fmpz_gcd(content.get(), content.get(), fmpq_numref(term.c.get()));
            Fmpz k, rest;
            squareParts(content.get(), k, rest);
            Fmpq inverse;
            fmpz_mul(fmpq_denref(inverse.get()), k.get(), k.get());
            fmpz_one(fmpq_numref(inverse.get()));
            z.scale(inverse);
            Fmpq outer;  // k/L in lowest terms
            fmpq_set_fmpz_frac(outer.get(), k.get(), lcm.get());
            Expr term = Expr::sqrt(z.expr());
            if (!fmpz_is_one(fmpq_numref(outer.get())))
                term = Expr::product({Expr::integer(Fmpz(fmpq_numref(outer.get())).text()), term});
            if (!fmpz_is_one(fmpq_denref(outer.get())))
                term = Expr::quotient(term, Expr::integer(Fmpz(fmpq_denref(outer.get())).text()));
            nestedRoot = term;
        }
        // ascending: -√z descending in z first, then +√z ascending in z
        for (int side : {-1, 1}) {
            const std::size_t at = side < 0 ? n - 1 - i : n + i;
            if (root) {
                Surds x(s);
                Surds signedRoot = *root;
                signedRoot.scale(Fmpq(side));
                x.add(signedRoot);
                roots[at] = x;
            } else {
                Expr t = side < 0 ? Expr::negation(*nestedRoot) : *nestedRoot;
                if (s.isZero())
                    nested[at] = t;
                else
                    nested[at] = Expr::sum({rationalExpr(s.get()), t});
            }
        }
    }
    exact_ = std::move(roots);
    nested_ = std::move(nested);
    return true;
}

void FactorRoots::enclose(arb_t out, int index, slong prec) const {
    if (exact_[index]) {
        exact_[index]->enclose(out, prec);
        return;
    }
    real_->enclose(out, index, prec);
}

// ---- numbers ----

Number Number::rational(const Fmpq& q) {
    Number n;
    fmpq_poly_set_fmpq(n.residue.get(), q.get());
    return n;
}

Number Number::of(std::shared_ptr<const FactorRoots> at, int index, const FmpqPoly& p) {
    Number n;
    FmpqPoly g;
    fmpq_poly_set_fmpz_poly(g.get(), at->polynomial().get());
    fmpq_poly_rem(n.residue.get(), p.get(), g.get());
    n.at = std::move(at);
    n.index = index;
    return n;
}

std::optional<Surds> Number::surds() const {
    if (isRational()) return Surds(rationalValue());
    const std::optional<Surds>& x = at->surds(index);
    if (!x) return std::nullopt;
    Surds acc;
    for (slong k = residue.degree(); k >= 0; --k) {
        acc = acc.times(*x);
        acc.addRational(residue.coefficient(k));
    }
    return acc;
}

std::optional<Expr> Number::expr() const {
    if (auto s = surds()) return s->expr();
    const bool isX = residue.degree() == 1 && residue.coefficient(0).isZero() &&
                     fmpq_is_one(residue.coefficient(1).get());
    if (isX) return at->nested(index);
    return std::nullopt;
}

void Number::enclose(arb_t out, slong prec) const {
    if (isRational()) {
        arb_set_fmpq(out, rationalValue().get(), prec);
        return;
    }
    Arb x;
    at->enclose(x.get(), index, prec);
    const fmpq_poly_struct* r = residue.get();
    _arb_fmpz_poly_evaluate_arb(out, r->coeffs, r->length, x.get(), prec);
    arb_div_fmpz(out, out, r->den, prec);
}

namespace {

// The sign of a nonzero value known by enclosures; 0 if still undecided at the last precision.
int signOf(const std::function<void(arb_t, slong)>& enclose) {
    Arb x;
    for (slong prec = 64;; prec = nextPrecision(x.get(), prec)) {
        enclose(x.get(), prec);
        if (arb_is_positive(x.get())) return 1;
        if (arb_is_negative(x.get())) return -1;
        if (prec >= kMaxPrecision) return 0;
    }
}

}  // namespace

int compare(const Number& a, const Number& b) {
    if (a.isRational() && b.isRational())
        return fmpq_cmp(a.rationalValue().get(), b.rationalValue().get());
    auto sa = a.surds(), sb = b.surds();
    if (sa && sb) {
        Surds d = *sb;
        d.scale(Fmpq(-1));
        d.add(*sa);
        if (d.isRational()) return d.rational().sign();
        return signOf([&](arb_t out, slong prec) { d.enclose(out, prec); });
    }
    if (a.at && a.at == b.at && a.index == b.index) {
        FmpqPoly d;
        fmpq_poly_sub(d.get(), a.residue.get(), b.residue.get());
        if (d.degree() <= 0) return d.coefficient(0).sign();
        Number n;
        n.at = a.at;
        n.index = a.index;
        n.residue = d;
        return signOf([&](arb_t out, slong prec) { n.enclose(out, prec); });
    }
    // Values at different roots of one irreducible cubic are equal only when the residue is a
    // constant; others are distinct wherever the discussion compares them.
    return signOf([&](arb_t out, slong prec) {
        Arb y;
        a.enclose(out, prec);
        b.enclose(y.get(), prec);
        arb_sub(out, out, y.get(), prec);
    });
}

}  // namespace exact
