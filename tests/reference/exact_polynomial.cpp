#include "exact_polynomial.h"

namespace reference {
namespace {

Whole mul(Whole a, Whole b) {
    Whole r;
    if (__builtin_mul_overflow(a, b, &r)) throw ExactOverflow();
    return r;
}

Whole sub(Whole a, Whole b) {
    Whole r;
    if (__builtin_sub_overflow(a, b, &r)) throw ExactOverflow();
    return r;
}

Whole magnitude(Whole a) { return a < 0 ? -a : a; }

Whole gcdWhole(Whole a, Whole b) {
    a = magnitude(a);
    b = magnitude(b);
    while (b != 0) {
        const Whole t = a % b;
        a = b;
        b = t;
    }
    return a;
}

void trim(WholePoly& p) {
    while (!p.empty() && p.back() == 0) p.pop_back();
}

// The remainder of a by b after multiplying a by powers of |lc(b)|, which keeps its sign as
// Sturm's sequence needs, made primitive without changing its sign.
WholePoly signedRemainder(WholePoly a, const WholePoly& b) {
    const Whole lb = b.back();
    const Whole factor = magnitude(lb), sign = lb < 0 ? -1 : 1;
    while (degreeOf(a) >= degreeOf(b)) {
        const Whole la = a.back();
        const std::size_t shift = a.size() - b.size();
        for (Whole& c : a) c = mul(c, factor);
        for (std::size_t i = 0; i < b.size(); ++i)
            a[i + shift] = sub(a[i + shift], mul(mul(sign, la), b[i]));
        trim(a);
    }
    Whole content = 0;
    for (Whole c : a) content = gcdWhole(content, c);
    if (content > 1)
        for (Whole& c : a) c /= content;
    return a;
}

int signAt(const WholePoly& p, bool minusInfinity) {
    const int s = p.back() > 0 ? 1 : -1;
    return minusInfinity && degreeOf(p) % 2 == 1 ? -s : s;
}

}  // namespace

int degreeOf(const WholePoly& p) { return static_cast<int>(p.size()) - 1; }

WholePoly derivativeOf(const WholePoly& p) {
    WholePoly d;
    for (std::size_t i = 1; i < p.size(); ++i) d.push_back(mul(p[i], static_cast<Whole>(i)));
    trim(d);
    return d;
}

WholePoly primitive(const WholePoly& p) {
    Whole content = 0;
    for (Whole c : p) content = gcdWhole(content, c);
    if (content == 0) return {};
    if (p.back() < 0) content = -content;
    WholePoly q = p;
    for (Whole& c : q) c /= content;
    return q;
}

WholePoly gcdOf(WholePoly a, WholePoly b) {
    a = primitive(a);
    b = primitive(b);
    while (!b.empty()) {
        WholePoly r = signedRemainder(a, b);
        a = b;
        b = primitive(r);
    }
    return a;
}

WholePoly exactQuotient(const WholePoly& a, const WholePoly& b) {
    WholePoly r = a, q(a.size() - b.size() + 1, 0);
    while (degreeOf(r) >= degreeOf(b)) {
        const std::size_t shift = r.size() - b.size();
        if (r.back() % b.back() != 0) throw std::logic_error("not a divisor");
        const Whole f = r.back() / b.back();
        q[shift] = f;
        for (std::size_t i = 0; i < b.size(); ++i) r[i + shift] = sub(r[i + shift], mul(f, b[i]));
        trim(r);
    }
    if (!r.empty()) throw std::logic_error("not a divisor");
    return primitive(q);
}

int distinctRealRootCount(const WholePoly& p) {
    std::vector<WholePoly> chain{p, derivativeOf(p)};
    while (!chain.back().empty() && degreeOf(chain.back()) > 0) {
        WholePoly r = signedRemainder(chain[chain.size() - 2], chain.back());
        for (Whole& c : r) c = -c;
        if (r.empty()) break;
        chain.push_back(r);
    }
    if (chain.back().empty()) chain.pop_back();
    int changesMinus = 0, changesPlus = 0;
    for (std::size_t i = 1; i < chain.size(); ++i) {
        changesMinus += signAt(chain[i - 1], true) != signAt(chain[i], true);
        changesPlus += signAt(chain[i - 1], false) != signAt(chain[i], false);
    }
    return changesMinus - changesPlus;
}

}  // namespace reference
