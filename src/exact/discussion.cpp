#include "exact/discussion.h"

#include <flint/fmpz_poly_factor.h>

#include <algorithm>

#include "exact/algebraic.h"

namespace exact {

namespace {

Polynomial toPolynomial(const FmpqPoly& p) {
    Polynomial r;
    for (slong k = 0; k <= p.degree(); ++k)
        r.coefficients.push_back(toRational(p.coefficient(k).get()));
    return r;
}

Polynomial toPolynomial(const FmpzPoly& p) {
    FmpqPoly q;
    fmpq_poly_set_fmpz_poly(q.get(), p.get());
    return toPolynomial(q);
}

Value rational(const Fmpq& q) { return valueOf(Number::rational(q)); }

struct PolyFactors {
    fmpz_poly_factor_t v;
    PolyFactors() { fmpz_poly_factor_init(v); }
    ~PolyFactors() { fmpz_poly_factor_clear(v); }
    PolyFactors(const PolyFactors&) = delete;
    PolyFactors& operator=(const PolyFactors&) = delete;
};

// Every irreducible factor met in f, f' and f'' once, so that a root shared by them is one root.
class Registry {
  public:
    std::shared_ptr<const FactorRoots> get(const FmpzPoly& g) {
        for (const auto& r : all_)
            if (fmpz_poly_equal(r->polynomial().get(), g.get())) return r;
        all_.push_back(std::make_shared<const FactorRoots>(g));
        return all_.back();
    }

  private:
    std::vector<std::shared_ptr<const FactorRoots>> all_;
};

struct RootRef {
    std::shared_ptr<const FactorRoots> at;
    int index = 0;
    int multiplicity = 1;
    Number x;
};

struct Worked {
    FmpqPoly p;
    Analysed result;
    std::vector<RootRef> roots;  // beside result.roots
};

FmpqPoly xPolynomial() {
    FmpqPoly x;
    fmpq_poly_set_coeff_si(x.get(), 1, 1);
    return x;
}

bool before(const RootRef& a, const RootRef& b) {
    if (a.at == b.at) return a.index < b.index;
    return compare(a.x, b.x) < 0;
}

Worked analyse(const FmpqPoly& p, Registry& registry) {
    Worked w;
    w.p = p;
    w.result.polynomial = toPolynomial(p);
    if (p.degree() <= 0) {
        w.result.content = toRational(p.coefficient(0).get());
        return w;
    }
    FmpzPoly numerator;
    fmpq_poly_get_numerator(numerator.get(), p.get());
    PolyFactors fac;
    fmpz_poly_factor(fac.v, numerator.get());
    Fmpq content;
    fmpq_set_fmpz_frac(content.get(), &fac.v->c, p.get()->den);
    const FmpqPoly x = xPolynomial();
    for (slong i = 0; i < fac.v->num; ++i) {
        FmpzPoly g;
        fmpz_poly_set(g.get(), fac.v->p + i);
        const int multiplicity = static_cast<int>(fac.v->exp[i]);
        if (fmpz_sgn(fmpz_poly_lead(g.get())) < 0) {
            fmpz_poly_neg(g.get(), g.get());
            if (multiplicity % 2) fmpq_neg(content.get(), content.get());
        }
        w.result.factors.push_back({toPolynomial(g), multiplicity});
        auto at = registry.get(g);
        for (int k = 0; k < at->realCount(); ++k)
            w.roots.push_back({at, k, multiplicity, Number::of(at, k, x)});
        for (auto& r : w.roots)
            if (r.at == at) r.multiplicity = multiplicity;
    }
    w.result.content = toRational(content.get());
    // The factor index of each root, before sorting.
    std::vector<std::pair<RootRef, int>> tagged;
    for (const auto& r : w.roots) {
        int factor = 0;
        for (slong i = 0; i < fac.v->num; ++i) {
            FmpzPoly g;
            fmpz_poly_set(g.get(), fac.v->p + i);
            if (fmpz_sgn(fmpz_poly_lead(g.get())) < 0) fmpz_poly_neg(g.get(), g.get());
            if (fmpz_poly_equal(g.get(), r.at->polynomial().get())) factor = static_cast<int>(i);
        }
        tagged.emplace_back(r, factor);
    }
    std::stable_sort(tagged.begin(), tagged.end(),
                     [](const auto& a, const auto& b) { return before(a.first, b.first); });
    w.roots.clear();
    for (auto& [r, factor] : tagged) {
        w.result.roots.push_back({valueOf(r.x), r.multiplicity, r.at->method(), factor});
        w.roots.push_back(std::move(r));
    }
    return w;
}

int leadingSign(const FmpqPoly& p) { return fmpz_sgn(fmpq_poly_numref(p.get()) + p.degree()); }

// The sign of p on each open interval between its ascending roots (one more than roots).
std::vector<int> signs(const Worked& w) {
    std::vector<int> s(w.roots.size() + 1);
    s.back() = w.p.degree() < 0 ? 0 : leadingSign(w.p);
    for (std::size_t i = w.roots.size(); i-- > 0;)
        s[i] = w.roots[i].multiplicity % 2 ? -s[i + 1] : s[i + 1];
    return s;
}

// The maximal intervals of one sign of p, covering ℝ.
std::vector<Interval> intervals(const Worked& w, Interval::Kind positive, Interval::Kind negative) {
    const std::vector<int> s = signs(w);
    std::vector<Interval> out;
    Bound from = Bound::minusInfinity();
    for (std::size_t i = 0; i < w.roots.size(); ++i) {
        if (s[i] == s[i + 1]) continue;
        out.push_back({s[i] > 0 ? positive : negative, from, Bound::finite(w.result.roots[i].x)});
        from = Bound::finite(w.result.roots[i].x);
    }
    out.push_back({s.back() > 0 ? positive : negative, from, Bound::plusInfinity()});
    return out;
}

bool divides(const FactorRoots& at, const FmpqPoly& p) {
    FmpqPoly g, r;
    fmpq_poly_set_fmpz_poly(g.get(), at.polynomial().get());
    fmpq_poly_rem(r.get(), p.get(), g.get());
    return fmpq_poly_is_zero(r.get());
}

void symmetry(Discussion& d, const Coefficients& c, const FmpqPoly& f) {
    auto q = [&](int field) { return Fmpq(raw(c[field])); };
    auto at = [&](const Fmpq& x) {
        Fmpq y;
        fmpq_poly_evaluate_fmpq(y.get(), f.get(), x.get());
        return y;
    };
    auto ratio = [](const Fmpq& a, const Fmpq& b, long k) {  // -a/(k·b)
        Fmpq r;
        fmpq_div(r.get(), a.get(), b.get());
        fmpq_div_fmpz(r.get(), r.get(), Fmpz(-k).get());
        return r;
    };
    using K = Symmetry::Kind;
    switch (d.degree) {
        case 0:
            d.symmetry.push_back({K::YAxis, {}, {}});
            break;
        case 1:
            d.symmetry.push_back({c[4].isZero() ? K::Origin : K::None, {}, {}});
            break;
        case 2:
            if (c[3].isZero())
                d.symmetry.push_back({K::YAxis, {}, {}});
            else
                d.symmetry.push_back({K::Axis, rational(ratio(q(3), q(2), 2)), {}});
            break;
        case 3:
            if (c[2].isZero() && c[4].isZero()) {
                d.symmetry.push_back({K::Origin, {}, {}});
            } else {
                const Fmpq x = ratio(q(2), q(1), 3);
                d.symmetry.push_back({K::Point, rational(x), rational(at(x))});
            }
            break;
        default: {
            if (c[1].isZero() && c[3].isZero()) {
                d.symmetry.push_back({K::YAxis, {}, {}});
                break;
            }
            // Symmetric to x = s exactly when f(s + t) has no t-term (the t³-term is 0 by s).
            const Fmpq s = ratio(q(1), q(0), 4);
            FmpqPoly shift, h;
            fmpq_poly_set_coeff_fmpq(shift.get(), 0, s.get());
            fmpq_poly_set_coeff_si(shift.get(), 1, 1);
            fmpq_poly_compose(h.get(), f.get(), shift.get());
            if (h.coefficient(1).isZero())
                d.symmetry.push_back({K::Axis, rational(s), {}});
            else
                d.symmetry.push_back({K::None, {}, {}});
        }
    }
}

Discussion zeroDiscussion() {
    Discussion d;
    d.zeroPolynomial = true;
    const Value zero = rational(Fmpq(0));
    d.symmetry = {{Symmetry::Kind::YAxis, {}, {}}, {Symmetry::Kind::Origin, {}, {}}};
    d.limitMinusInfinity = d.limitPlusInfinity = Bound::finite(zero);
    d.yIntercept = zero;
    d.monotony = {{Interval::Kind::Constant, Bound::minusInfinity(), Bound::plusInfinity()}};
    d.rangeLow = d.rangeHigh = Bound::finite(zero);
    return d;
}

}  // namespace

Discussion discuss(const Coefficients& c) {
    FmpqPoly f;
    for (int i = 0; i < 5; ++i) fmpq_poly_set_coeff_fmpq(f.get(), 4 - i, raw(c[i]));
    if (fmpq_poly_is_zero(f.get())) return zeroDiscussion();

    Discussion d;
    d.degree = static_cast<int>(f.degree());
    FmpqPoly f1, f2, f3, F;
    fmpq_poly_derivative(f1.get(), f.get());
    fmpq_poly_derivative(f2.get(), f1.get());
    fmpq_poly_derivative(f3.get(), f2.get());
    fmpq_poly_integral(F.get(), f.get());
    Registry registry;
    const Worked wf = analyse(f, registry), w1 = analyse(f1, registry), w2 = analyse(f2, registry);
    d.f = wf.result;
    d.derivative1 = w1.result;
    d.derivative2 = w2.result;
    d.derivative3 = toPolynomial(f3);
    d.antiderivative = toPolynomial(F);

    symmetry(d, c, f);
    const int lead = leadingSign(f);
    if (d.degree == 0) {
        d.limitMinusInfinity = d.limitPlusInfinity = Bound::finite(rational(f.coefficient(0)));
    } else {
        auto infinity = [](int sign) {
            return sign > 0 ? Bound::plusInfinity() : Bound::minusInfinity();
        };
        d.limitMinusInfinity = infinity(d.degree % 2 ? -lead : lead);
        d.limitPlusInfinity = infinity(lead);
    }
    d.yIntercept = rational(f.coefficient(0));

    // Extreme and saddle points: where f' = 0, decided by the sign of f' on either side.
    std::vector<Number> criticalValues;
    if (d.degree >= 2) {
        const std::vector<int> s = signs(w1);
        for (std::size_t i = 0; i < w1.roots.size(); ++i) {
            const RootRef& r = w1.roots[i];
            const auto kind = s[i] == s[i + 1]  ? Stationary::Kind::Saddle
                              : s[i] > s[i + 1] ? Stationary::Kind::Max
                                                : Stationary::Kind::Min;
            criticalValues.push_back(Number::of(r.at, r.index, f));
            d.stationary.push_back(
                {kind, w1.result.roots[i].x, valueOf(criticalValues.back()), static_cast<int>(i)});
        }
    }
    // Inflection points: odd roots of f'' where f' is not 0 (those are saddle points).
    if (d.degree >= 3) {
        FmpqPoly xf1, tangentIntercept;
        fmpq_poly_mul(xf1.get(), f1.get(), xPolynomial().get());
        fmpq_poly_sub(tangentIntercept.get(), f.get(), xf1.get());
        for (std::size_t i = 0; i < w2.roots.size(); ++i) {
            const RootRef& r = w2.roots[i];
            if (r.multiplicity % 2 == 0 || divides(*r.at, f1)) continue;
            d.inflections.push_back({w2.result.roots[i].x, valueOf(Number::of(r.at, r.index, f)),
                                     valueOf(Number::of(r.at, r.index, f1)),
                                     valueOf(Number::of(r.at, r.index, tangentIntercept)),
                                     static_cast<int>(i)});
        }
    }

    if (d.degree == 0)
        d.monotony = {{Interval::Kind::Constant, Bound::minusInfinity(), Bound::plusInfinity()}};
    else
        d.monotony = intervals(w1, Interval::Kind::Increasing, Interval::Kind::Decreasing);
    if (d.degree >= 2) d.curvature = intervals(w2, Interval::Kind::Convex, Interval::Kind::Concave);

    // The range: a constant; all of ℝ for odd degree; else up to the lowest or highest value
    // where f' = 0.
    if (d.degree == 0) {
        d.rangeLow = d.rangeHigh = Bound::finite(d.yIntercept);
    } else if (d.degree % 2) {
        d.rangeLow = Bound::minusInfinity();
        d.rangeHigh = Bound::plusInfinity();
    } else {
        std::size_t best = 0;
        for (std::size_t i = 1; i < criticalValues.size(); ++i)
            if (compare(criticalValues[i], criticalValues[best]) * lead < 0) best = i;
        const Bound extreme = Bound::finite(d.stationary[best].y);
        d.rangeLow = lead > 0 ? extreme : Bound::minusInfinity();
        d.rangeHigh = lead > 0 ? Bound::plusInfinity() : extreme;
    }

    // The area between the smallest and the largest zero: Σ s·(F(z[i+1]) - F(z[i])) with s the
    // sign of f between them, that is Σ c[j]·F(z[j]).
    const std::size_t k = wf.roots.size();
    if (k >= 2) {
        const std::vector<int> s = signs(wf);  // s[j + 1]: between z[j] and z[j + 1]
        std::vector<std::pair<long, Number>> terms;
        bool exact = true;
        Surds sum;
        for (std::size_t j = 0; j < k; ++j) {
            const long coefficient = (j >= 1 ? s[j] : 0) - (j + 1 < k ? s[j + 1] : 0);
            if (coefficient == 0) continue;
            Number value = Number::of(wf.roots[j].at, wf.roots[j].index, F);
            if (exact) {
                if (auto v = value.surds()) {
                    v->scale(Fmpq(coefficient));
                    sum.add(*v);
                } else {
                    exact = false;
                }
            }
            terms.emplace_back(coefficient, std::move(value));
        }
        if (exact) {
            d.area = valueOf(sum);
        } else {
            d.area = valueOf([&](arb_t out, slong prec) {
                arb_zero(out);
                Arb t;
                for (const auto& [coefficient, value] : terms) {
                    value.enclose(t.get(), prec);
                    arb_addmul_si(out, t.get(), coefficient, prec);
                }
            });
        }
    }
    return d;
}

}  // namespace exact
