// The exact isolation of real roots, at magnitudes from 10^-1000 to 10^1000 and for roots
// 10^-2000 apart: each enclosure is checked by GMP's exact signs of g at its ends, against the
// closed form of the root where there is one (MPFR), and against FLINT's count of real roots.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "checks.h"
#include "exact/real_roots.h"

namespace {

using checks::Q;
using checks::Real;

// coefficients[k] belongs to x^k.
using Coefficients = std::vector<Q>;

std::string pow10(int n) { return "1" + std::string(static_cast<std::size_t>(n), '0'); }

exact::FmpzPoly toFlint(const Coefficients& c) {
    exact::FmpzPoly p;
    for (std::size_t k = 0; k < c.size(); ++k) {
        exact::Fmpz v;
        fmpz_set_mpz(v.get(), mpq_numref(c[k].get()));
        fmpz_poly_set_coeff_fmpz(p.get(), static_cast<slong>(k), v.get());
    }
    return p;
}

Q valueAt(const Coefficients& c, const Q& x) {
    Q y;
    for (std::size_t k = c.size(); k-- > 0;) y = y * x + c[k];
    return y;
}

Q toQ(const arf_t x) {
    exact::Fmpz m, e;
    arf_get_fmpz_2exp(m.get(), e.get(), x);
    Q r(m.text());
    const long shift = fmpz_get_si(e.get());
    if (shift >= 0)
        mpq_mul_2exp(r.get(), r.get(), static_cast<mp_bitcnt_t>(shift));
    else
        mpq_div_2exp(r.get(), r.get(), static_cast<mp_bitcnt_t>(-shift));
    return r;
}

// The enclosures of all roots at `prec` bits: disjoint, ascending, each with a sign change of g,
// narrow enough, and around the known roots where they are given.
void check(const Coefficients& c, const std::vector<std::function<Real()>>& known = {}) {
    for (const auto& q : c) ASSERT_TRUE(q.isInteger());
    const exact::FmpzPoly g = toFlint(c);
    exact::RealRoots roots(g);
    ASSERT_EQ(roots.count(), fmpz_poly_num_real_roots(g.get()));
    if (!known.empty()) {
        ASSERT_EQ(roots.count(), static_cast<int>(known.size()));
    }
    for (const slong prec : {64, 3000, 200}) {
        SCOPED_TRACE(prec);
        std::optional<Q> previous;
        for (int i = 0; i < roots.count(); ++i) {
            exact::Arb x;
            roots.enclose(x.get(), i, prec);
            // The ball holds the exact isolating interval, which shows a sign change of its own
            // and lies beside the previous one.
            exact::Arf lo, hi, ballLo, ballHi;
            roots.interval(i, lo.get(), hi.get());
            arb_get_lbound_arf(ballLo.get(), x.get(), ARF_PREC_EXACT);
            arb_get_ubound_arf(ballHi.get(), x.get(), ARF_PREC_EXACT);
            const Q a = toQ(lo.get()), b = toQ(hi.get());
            EXPECT_FALSE(a < toQ(ballLo.get()) || toQ(ballHi.get()) < b) << i;
            EXPECT_LT(valueAt(c, a).sign() * valueAt(c, b).sign(), 0) << i;
            if (previous) {
                EXPECT_FALSE(a < *previous) << i;  // open intervals may share an end
            }
            previous = b;
            // the ball's width <= |a|·2^(2 - prec), for a root of one sign
            Q width = toQ(ballHi.get()) - toQ(ballLo.get()), bound = a;
            mpq_abs(bound.get(), bound.get());
            mpq_mul_2exp(width.get(), width.get(), static_cast<mp_bitcnt_t>(prec - 2));
            EXPECT_FALSE(bound < width) << i;
            if (!known.empty()) {
                const Real r = known[static_cast<std::size_t>(i)]();
                EXPECT_GT(mpfr_cmp_q(r.get(), a.get()), 0) << i;
                EXPECT_LT(mpfr_cmp_q(r.get(), b.get()), 0) << i;
            }
        }
    }
}

// s·(k·10^e)^(1/n)
std::function<Real()> root(int s, long k, int e, int n) {
    return [=] {
        Real r;
        mpfr_set_ui(r.get(), 10, MPFR_RNDN);
        mpfr_pow_si(r.get(), r.get(), e, MPFR_RNDN);
        mpfr_mul_si(r.get(), r.get(), k, MPFR_RNDN);
        mpfr_rootn_ui(r.get(), r.get(), static_cast<unsigned long>(n), MPFR_RNDN);
        mpfr_mul_si(r.get(), r.get(), s, MPFR_RNDN);
        return r;
    };
}

TEST(ExactRealRoots, ExtremeMagnitudes) {
    const Q big(pow10(600)), huge(pow10(1200));
    // (x² - 2·10^600)(10^600·x² - 3): ±√2·10^300 and ±√3·10^-300
    check({Q(6) * big, Q(0), Q(0) - Q(3) - Q(2) * huge, Q(0), big},
          {root(-1, 2, 600, 2), root(-1, 3, -600, 2), root(1, 3, -600, 2), root(1, 2, 600, 2)});
    // 10^1000·x³ - 7 and x³ - 5·10^3000: roots 10^-1000/3 and 10^1000 apart from 1
    check({Q(-7), Q(0), Q(0), Q(pow10(1000))}, {root(1, 7, -1000, 3)});
    check({Q(0) - Q(5) * Q(pow10(3000)), Q(0), Q(0), Q(1)}, {root(1, 5, 3000, 3)});
    // x⁴ - 7·10^4000: ±7^(1/4)·10^1000
    check({Q(0) - Q(7) * Q(pow10(4000)), Q(0), Q(0), Q(0), Q(1)},
          {root(-1, 7, 4000, 4), root(1, 7, 4000, 4)});
    // 1,2391x⁴ + 330857,1456789012345x³ + 3E300x² - 1E-300, times 10^313: two roots near
    // ±10^-300, a complex pair near 10^150
    check({Q(0) - Q(pow10(13)), Q(0), Q(3) * Q(pow10(613)),
           Q("3308571456789012345") * Q(pow10(300)), Q(12391) * Q(pow10(309))});
}

TEST(ExactRealRoots, CloseRoots) {
    const Q e(pow10(2000));
    // (x² - 2)(10^2000·x² - 2·10^2000 - 1): ±√2 and ±√(2 + 10^-2000)
    const auto shifted = [](int s) {
        return [s] {
            Real r;
            mpfr_set_ui(r.get(), 10, MPFR_RNDN);
            mpfr_pow_si(r.get(), r.get(), -2000, MPFR_RNDN);
            mpfr_add_ui(r.get(), r.get(), 2, MPFR_RNDN);
            mpfr_sqrt(r.get(), r.get(), MPFR_RNDN);
            mpfr_mul_si(r.get(), r.get(), s, MPFR_RNDN);
            return r;
        };
    };
    const Q inner = Q(2) * e + Q(1);
    check({Q(2) * inner, Q(0), Q(0) - inner - Q(2) * e, Q(0), e},
          {shifted(-1), root(-1, 2, 0, 2), root(1, 2, 0, 2), shifted(1)});
    // x⁴ - 2·(10^300·x - 1)²: two roots about 10^-900 apart near 10^-300
    const Q k(pow10(300));
    check({Q(-2), Q(4) * k, Q(-2) * k * k, Q(0), Q(1)});
    // (x - 1)²·(x² + 1) - 10^-1000, times 10^1000: two roots near 1, 10^-500 apart
    const Q t(pow10(1000));
    check({t - Q(1), Q(-2) * t, Q(2) * t, Q(-2) * t, t});
}

}  // namespace
