#include "exact/real_roots.h"

#include <arb_fmpz_poly.h>

#include <algorithm>
#include <stdexcept>

namespace exact {

namespace {

// x = m·2^e exactly, m odd or 0.
struct Dyadic {
    Fmpz m;
    slong e = 0;
    explicit Dyadic(const Arf& x) {
        Fmpz exponent;
        arf_get_fmpz_2exp(m.get(), exponent.get(), x.get());
        e = fmpz_get_si(exponent.get());  // |e| stays near the root bounds, far inside a slong
    }
};

// p(x) = value·2^scale exactly: integers only, so the sign is never in doubt.
void valueAt(Fmpz& value, slong& scale, const FmpzPoly& p, const Dyadic& x) {
    const slong n = p.degree();
    const fmpz* c = p.get()->coeffs;
    scale = 0;
    if (n < 0) {
        fmpz_zero(value.get());
        return;
    }
    if (x.e >= 0) {
        Fmpz point;
        fmpz_mul_2exp(point.get(), x.m.get(), static_cast<ulong>(x.e));
        fmpz_poly_evaluate_fmpz(value.get(), p.get(), point.get());
        return;
    }
    // 2^(-e·n)·p(m·2^e) = Σ c_k·m^k·2^(-e·(n-k)), by Horner's rule
    const slong shift = -x.e;
    Fmpz term;
    fmpz_set(value.get(), c + n);
    for (slong k = n - 1; k >= 0; --k) {
        fmpz_mul(value.get(), value.get(), x.m.get());
        fmpz_mul_2exp(term.get(), c + k, static_cast<ulong>(shift * (n - k)));
        fmpz_add(value.get(), value.get(), term.get());
    }
    scale = -shift * n;
}

int signAt(const FmpzPoly& p, const Dyadic& x) {
    Fmpz value;
    slong scale;
    valueAt(value, scale, p, x);
    return fmpz_sgn(value.get());
}

// The Sturm sequence of a square-free p, each member scaled to integers by a positive factor
// (which leaves every sign as it is).
std::vector<FmpzPoly> sturmSequence(const FmpzPoly& p) {
    std::vector<FmpqPoly> q(2);
    fmpq_poly_set_fmpz_poly(q[0].get(), p.get());
    fmpq_poly_derivative(q[1].get(), q[0].get());
    while (q.back().degree() > 0) {
        FmpqPoly r;
        fmpq_poly_rem(r.get(), q[q.size() - 2].get(), q.back().get());
        if (fmpq_poly_is_zero(r.get())) break;
        fmpq_poly_neg(r.get(), r.get());
        q.push_back(std::move(r));
    }
    std::vector<FmpzPoly> out(q.size());
    for (std::size_t i = 0; i < q.size(); ++i) {
        fmpq_poly_get_numerator(out[i].get(), q[i].get());
        Fmpz content;
        fmpz_poly_content(content.get(), out[i].get());
        if (!fmpz_is_zero(content.get()))
            fmpz_poly_scalar_divexact_fmpz(out[i].get(), out[i].get(), content.get());
    }
    return out;
}

// Sign changes of the Sturm sequence at x; the roots in (a, b] are variations(a) - variations(b).
int variations(const std::vector<FmpzPoly>& sequence, const Arf& x) {
    const Dyadic d(x);
    int count = 0, last = 0;
    for (const FmpzPoly& p : sequence) {
        const int s = signAt(p, d);
        if (s == 0) continue;
        if (last != 0 && s != last) ++count;
        last = s;
    }
    return count;
}

slong floorHalf(slong n) { return n >= 0 ? n / 2 : -((-n + 1) / 2); }

// A dyadic point strictly between a < b of one sign (neither 0): a power of two near their
// geometric mean while they lie orders of magnitude apart, so that roots from 2^-3000 to 2^3000
// are reached in a few dozen steps; else the midpoint. True when the point is geometric.
bool splitPoint(Arf& s, const Arf& a, const Arf& b) {
    if (arf_sgn(a.get()) < 0) {
        Arf na, nb;
        arf_neg(na.get(), b.get());
        arf_neg(nb.get(), a.get());
        const bool geometric = splitPoint(s, na, nb);
        arf_neg(s.get(), s.get());
        return geometric;
    }
    // a < 2^la, b >= 2^(lb-1): 2^k lies strictly between for la <= k <= lb - 2
    const slong la = arf_abs_bound_lt_2exp_si(a.get()), lb = arf_abs_bound_lt_2exp_si(b.get());
    if (lb - la >= 2) {
        arf_one(s.get());
        arf_mul_2exp_si(s.get(), s.get(), floorHalf(la + lb - 2));
        return true;
    }
    arf_add(s.get(), a.get(), b.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
    arf_mul_2exp_si(s.get(), s.get(), -1);
    return false;
}

// log2(|x| / (b - a)) for x in (a, b), at least 0.
slong relativeBits(const Arf& a, const Arf& b) {
    Arf width;
    arf_sub(width.get(), b.get(), a.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
    const slong size =
        std::max(arf_abs_bound_lt_2exp_si(a.get()), arf_abs_bound_lt_2exp_si(b.get()));
    return std::max<slong>(size - arf_abs_bound_lt_2exp_si(width.get()), 0);
}

struct Piece {
    Arf a, b;
    int va = 0, vb = 0;  // variations at a and b
    int stalls = 0;      // splits since the last one that separated roots
    slong bits = 0;      // the precision of the last try near a root of p'
};

// Bits of x relative to the width of (a, b): what a point must carry to fall between roots
// that (a, b) cannot tell apart, doubled on each try that did not separate them.
slong nextBits(slong last, const Arf& a, const Arf& b, slong cap) {
    return std::min(std::max(2 * last, relativeBits(a, b) + 64), cap);
}

// A point near a root of p' in (a, b) by Newton's method from the midpoint, the precision
// doubled as it converges up to `bits`: two roots 10^-2000 apart have a root of p' between
// them, where bisection would take thousands of steps. Only a candidate: the Sturm counts
// decide whether it separates the roots.
bool criticalPoint(Arf& out, const FmpzPoly& d1, const FmpzPoly& d2, const Arf& a, const Arf& b,
                   slong bits, bool inside = true) {
    Arb x, y, dy, step;
    Arf next;
    arf_add(next.get(), a.get(), b.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
    arf_mul_2exp_si(next.get(), next.get(), -1);
    // Start fine enough to tell points of (a, b) apart.
    slong prec = std::min(bits, relativeBits(a, b) + 64);
    // Outside, only a root of p' within the width of (a, b) matters.
    Arf width, from, to;
    arf_sub(width.get(), b.get(), a.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
    arf_sub(from.get(), a.get(), width.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
    arf_add(to.get(), b.get(), width.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
    // Converging, the steps double the correct bits; far more steps mean no convergence.
    for (int i = 0; i < 64; ++i) {
        arb_set_arf(x.get(), next.get());
        arb_fmpz_poly_evaluate_arb(y.get(), d1.get(), x.get(), prec);
        arb_fmpz_poly_evaluate_arb(dy.get(), d2.get(), x.get(), prec);
        arb_div(step.get(), y.get(), dy.get(), prec);
        if (!arb_is_finite(step.get())) return false;
        arf_sub(next.get(), arb_midref(x.get()), arb_midref(step.get()), prec, ARF_RND_NEAR);
        const Arf& lo = inside ? a : from;
        const Arf& hi = inside ? b : to;
        if (arf_cmp(next.get(), lo.get()) <= 0 || arf_cmp(next.get(), hi.get()) >= 0) return false;
        // converged to this precision when the step is below half its bits
        const slong size = arf_abs_bound_lt_2exp_si(next.get());
        const bool small = arf_is_zero(arb_midref(step.get())) ||
                           arf_abs_bound_lt_2exp_si(arb_midref(step.get())) < size - prec / 2;
        if (!small) continue;
        if (prec >= bits) {
            out = next;
            return true;
        }
        prec = std::min(2 * prec, bits);
    }
    return false;
}

// Isolating intervals of the positive roots of p, ascending, all roots between 2^-lower and
// 2^upper.
std::vector<Piece> positiveRoots(const FmpzPoly& p, slong upper, slong lower, slong separation,
                                 long stepBound) {
    const std::vector<FmpzPoly> sequence = sturmSequence(p);
    FmpzPoly d1, d2;
    fmpz_poly_derivative(d1.get(), p.get());
    fmpz_poly_derivative(d2.get(), d1.get());
    Piece whole;
    arf_one(whole.a.get());
    arf_mul_2exp_si(whole.a.get(), whole.a.get(), -lower);
    arf_one(whole.b.get());
    arf_mul_2exp_si(whole.b.get(), whole.b.get(), upper);
    whole.va = variations(sequence, whole.a);
    whole.vb = variations(sequence, whole.b);
    std::vector<Piece> open = {whole}, isolated;
    // Leftmost first, so that the roots come out ascending.
    for (long step = 0; !open.empty(); ++step) {
        if (step > stepBound)
            throw std::logic_error("root isolation beyond the root separation bound");
        Piece piece = std::move(open.back());
        open.pop_back();
        const int roots = piece.va - piece.vb;
        if (roots == 0) continue;
        if (roots == 1) {
            isolated.push_back(std::move(piece));
            continue;
        }
        Piece left, right;
        const bool geometric = splitPoint(left.b, piece.a, piece.b);
        // Close roots: after some bisections that separated nothing, try near a root of p'.
        if (!geometric && piece.stalls > 0 && piece.stalls % 8 == 0) {
            const slong size = std::max<slong>(arf_abs_bound_lt_2exp_si(piece.b.get()), 0);
            Arf critical;
            piece.bits = nextBits(piece.bits, piece.a, piece.b, separation + size + 64);
            if (criticalPoint(critical, d1, d2, piece.a, piece.b, piece.bits))
                left.b = std::move(critical);
        }
        const int vs = variations(sequence, left.b);
        const bool separated = vs != piece.va && vs != piece.vb;
        right.a = left.b;
        right.va = vs;
        right.b = std::move(piece.b);
        right.vb = piece.vb;
        right.stalls = separated ? 0 : piece.stalls + 1;
        left.a = std::move(piece.a);
        left.va = piece.va;
        left.vb = vs;
        left.stalls = right.stalls;
        left.bits = right.bits = separated ? 0 : piece.bits;
        open.push_back(std::move(right));
        open.push_back(std::move(left));
    }
    return isolated;
}

}  // namespace

RealRoots::RealRoots(const FmpzPoly& g) : g_(g) {
    fmpz_poly_derivative(derivative_.get(), g_.get());
    fmpz_poly_derivative(second_.get(), derivative_.get());
    const slong n = g_.degree();
    const fmpz* c = g_.get()->coeffs;
    slong top = 0;
    for (slong k = 0; k <= n; ++k) top = std::max(top, static_cast<slong>(fmpz_bits(c + k)));
    // Cauchy's bound for the roots of g and of its reverse: |c_k/c_n| < 2^(top - bits(c_n) + 1)
    // and |x| < 1 + max |c_k/c_n|. No root is 0, as none is rational.
    const slong upper = std::max<slong>(top - static_cast<slong>(fmpz_bits(c + n)) + 1, 0) + 1;
    const slong lower = std::max<slong>(top - static_cast<slong>(fmpz_bits(c + 0)) + 1, 0) + 1;
    // Mahler: distinct roots lie at least ~‖g‖^(1-n) apart, ‖g‖ < 2^(top + 2) for n <= 4.
    const slong separation = (n - 1) * (top + 2) + 2 * n;
    separation_ = separation;
    // twice the bisections: every eighth split may be a try near a root of g' instead
    stepBound_ = static_cast<long>(2 * n * (64 + upper + lower + separation));

    FmpzPoly reflected(g_);  // g(-x): its positive roots are the negated negative roots of g
    for (slong k = 1; k <= n; k += 2)
        fmpz_neg(reflected.get()->coeffs + k, reflected.get()->coeffs + k);
    std::vector<Piece> negative = positiveRoots(reflected, upper, lower, separation, stepBound_);
    for (auto it = negative.rbegin(); it != negative.rend(); ++it) {
        Isolated r;
        arf_neg(r.lo.get(), it->b.get());
        arf_neg(r.hi.get(), it->a.get());
        roots_.push_back(std::move(r));
    }
    for (Piece& piece : positiveRoots(g_, upper, lower, separation, stepBound_)) {
        Isolated r;
        r.lo = std::move(piece.a);
        r.hi = std::move(piece.b);
        roots_.push_back(std::move(r));
    }
}

void RealRoots::enclose(arb_t out, int index, slong prec) {
    Isolated& r = roots_[static_cast<std::size_t>(index)];
    narrow(r, prec);
    // Rounded no wider than the isolating interval, so that neighbours stay apart.
    Arb exact;
    arb_set_interval_arf(exact.get(), r.lo.get(), r.hi.get(), ARF_PREC_EXACT);
    const slong bits = std::max(prec, arb_rel_accuracy_bits(exact.get())) + 64;
    arb_set_interval_arf(out, r.lo.get(), r.hi.get(), bits);
}

void RealRoots::narrow(Isolated& r, slong prec) {
    const slong wp = prec + 64;
    Arb x, slope, value, step, newton;
    Arf mid, lo, hi, oldWidth, newWidth;
    Fmpz exact;
    slong scale = 0;
    // Each step halves the interval (or its exponent range) at least, or cuts it to 3/4 by
    // Newton: the bound is never met for a correct separation bound, and stopping early still
    // leaves a true enclosure.
    const long bound = stepBound_ + 4 * static_cast<long>(wp);
    long stalls = 0;
    for (long i = 0; i < bound; ++i) {
        arb_set_interval_arf(x.get(), r.lo.get(), r.hi.get(), wp);
        if (arb_rel_accuracy_bits(x.get()) >= prec) return;
        const bool geometric = splitPoint(mid, r.lo, r.hi);
        const Dyadic m(mid);
        valueAt(exact, scale, g_, m);
        if (!geometric) {
            // Interval Newton: with g' of one sign on [lo, hi], the root lies in
            // mid - g(mid)/g'([lo, hi]).
            arb_fmpz_poly_evaluate_arb(slope.get(), derivative_.get(), x.get(), wp);
            if (!arb_contains_zero(slope.get())) r.monotone = true;
            if (r.monotone && !arb_contains_zero(slope.get())) {
                arb_set_round_fmpz(value.get(), exact.get(), wp);
                arb_mul_2exp_si(value.get(), value.get(), scale);
                arb_div(step.get(), value.get(), slope.get(), wp);
                arb_set_arf(newton.get(), mid.get());
                arb_sub(newton.get(), newton.get(), step.get(), wp);
                if (arb_is_finite(newton.get())) {
                    arb_get_lbound_arf(lo.get(), newton.get(), wp);
                    arb_get_ubound_arf(hi.get(), newton.get(), wp);
                    if (arf_cmp(lo.get(), r.lo.get()) < 0) lo = r.lo;
                    if (arf_cmp(hi.get(), r.hi.get()) > 0) hi = r.hi;
                    arf_sub(oldWidth.get(), r.hi.get(), r.lo.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
                    arf_sub(newWidth.get(), hi.get(), lo.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
                    arf_mul_ui(oldWidth.get(), oldWidth.get(), 3, ARF_PREC_EXACT, ARF_RND_DOWN);
                    arf_mul_ui(newWidth.get(), newWidth.get(), 4, ARF_PREC_EXACT, ARF_RND_DOWN);
                    if (arf_sgn(newWidth.get()) > 0 &&
                        arf_cmp(newWidth.get(), oldWidth.get()) <= 0) {
                        r.lo = lo;
                        r.hi = hi;
                        continue;
                    }
                }
            }
        }
        // Close to a root of g' Newton's steps fail and bisection crawls: step past it.
        if (!geometric && !r.monotone && ++stalls % 8 == 0 && pastCriticalPoint(r)) continue;
        // Bisection with exact signs; g is not 0 at any rational point.
        if (fmpz_sgn(exact.get()) == signAt(g_, Dyadic(r.lo)))
            r.lo = mid;
        else
            r.hi = mid;
    }
}

// The root lies at some distance from a root c of g' in [lo, hi]; that distance is found by
// bisecting its exponent, with exact signs, after which g' keeps its sign on the interval and
// Newton's steps converge. False when no such c is found.
bool RealRoots::pastCriticalPoint(Isolated& r) {
    const slong size =
        std::max<slong>(arf_abs_bound_lt_2exp_si(r.lo.get()), arf_abs_bound_lt_2exp_si(r.hi.get()));
    Arf c;
    r.bits = nextBits(r.bits, r.lo, r.hi, separation_ + std::max<slong>(size, 0) + 64);
    // A root of g' just outside [lo, hi] slows the steps as much as one inside: then the end
    // nearer to it is where the distance is measured from.
    if (!criticalPoint(c, derivative_, second_, r.lo, r.hi, r.bits, false)) return false;
    const int atLo = signAt(g_, Dyadic(r.lo));
    bool above = true;  // the root lies in (c, hi)
    if (arf_cmp(c.get(), r.lo.get()) <= 0) {
        c = r.lo;
    } else if (arf_cmp(c.get(), r.hi.get()) >= 0) {
        c = r.hi;
        above = false;
    } else {
        above = signAt(g_, Dyadic(c)) == atLo;
        (above ? r.lo : r.hi) = c;
    }
    Arf distance, point;
    arf_sub(distance.get(), r.hi.get(), r.lo.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
    // distance from c to the root in (2^low, 2^high), low a guess that the signs correct
    slong high = arf_abs_bound_lt_2exp_si(distance.get());
    slong low = size - r.bits;
    while (high - low >= 2) {
        const slong m = floorHalf(low + high);
        arf_one(point.get());
        arf_mul_2exp_si(point.get(), point.get(), m);
        if (above)
            arf_add(point.get(), c.get(), point.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
        else
            arf_sub(point.get(), c.get(), point.get(), ARF_PREC_EXACT, ARF_RND_DOWN);
        if (arf_cmp(point.get(), r.lo.get()) <= 0 || arf_cmp(point.get(), r.hi.get()) >= 0) {
            high = m;
            continue;
        }
        const bool beyond = (signAt(g_, Dyadic(point)) == signAt(g_, Dyadic(r.lo))) == above;
        if (beyond) {
            (above ? r.lo : r.hi) = point;
            low = m;
        } else {
            (above ? r.hi : r.lo) = point;
            high = m;
        }
    }
    return true;
}

}  // namespace exact
