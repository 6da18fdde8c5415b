#include "document/way_numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "document/school_notation.h"

namespace doc::way {

using exact::Expr;
using exact::Polynomial;
using exact::Rational;

Rational integerOf(const std::string& signedDigits) {
    Rational r;
    bool negative = false;
    for (char c : signedDigits) {
        if (c == '-')
            negative = true;
        else
            r = r * Rational(10) + Rational(c - '0');
    }
    return negative ? -r : r;
}

Rational numeratorOf(const Rational& r) { return integerOf(r.numerator()); }
Rational denominatorOf(const Rational& r) { return integerOf(r.denominator()); }

Rational evaluate(const Polynomial& p, const Rational& x) {
    Rational acc;
    for (int k = p.degree(); k >= 0; --k) acc = acc * x + p.coefficient(k);
    return acc;
}

long double evaluate(const Polynomial& p, long double x) {
    long double acc = 0;
    for (int k = p.degree(); k >= 0; --k) acc = acc * x + p.coefficient(k).toDouble();
    return acc;
}

Polynomial derivative(const Polynomial& p) {
    Polynomial d;
    for (int k = 1; k <= p.degree(); ++k) d.coefficients.push_back(p.coefficient(k) * Rational(k));
    return d;
}

int Surd::sign() const {
    const int sa = a.sign(), sb = b.sign();
    if (sb == 0) return sa;
    if (sa == 0 || sa == sb) return sb;
    // Opposite signs: the larger square wins; they are never equal, d being no square.
    return b * b * d < a * a ? sa : sb;
}

double Surd::approx() const {
    return a.toDouble() + (b.isZero() ? 0.0 : b.toDouble() * std::sqrt(d.toDouble()));
}

Expr Surd::expr() const {
    if (b.isZero()) return a.expr();
    const Rational da = denominatorOf(a), db = denominatorOf(b);
    const Rational r = numeratorOf(da / db) * db;  // lcm of the denominators
    const Rational p = a * r, q = b * r;
    const Rational qAbs = q.sign() < 0 ? -q : q;
    const Expr root = Expr::sqrt(Expr::integer(d.numerator()));
    const Expr term =
        qAbs == Rational(1) ? root : Expr::product({Expr::integer(qAbs.numerator()), root});
    const Expr signedTerm = q.sign() < 0 ? Expr::negation(term) : term;
    if (p.isZero()) {
        if (r == Rational(1)) return signedTerm;
        const Expr quotient = Expr::quotient(term, Expr::integer(r.numerator()));
        return q.sign() < 0 ? Expr::negation(quotient) : quotient;
    }
    const Expr sum = Expr::sum({p.expr(), signedTerm});
    return r == Rational(1) ? sum : Expr::quotient(sum, Expr::integer(r.numerator()));
}

namespace {

std::optional<Surd> add(const Surd& x, const Surd& y) {
    if (!x.b.isZero() && !y.b.isZero() && !(x.d == y.d)) return std::nullopt;
    return Surd{x.a + y.a, x.b + y.b, x.b.isZero() ? y.d : x.d};
}

std::optional<Surd> multiply(const Surd& x, const Surd& y) {
    if (!x.b.isZero() && !y.b.isZero() && !(x.d == y.d)) return std::nullopt;
    const Rational d = x.b.isZero() ? y.d : x.d;
    return Surd{x.a * y.a + x.b * y.b * d, x.a * y.b + x.b * y.a, d};
}

}  // namespace

std::optional<Surd> surdOf(const Expr& e) {
    const auto& ops = e.operands();
    switch (e.kind()) {
        case Expr::Kind::Integer:
            return Surd{integerOf(e.digits()), Rational(), Rational()};
        case Expr::Kind::Negation: {
            auto s = surdOf(ops[0]);
            if (s) s = Surd{-s->a, -s->b, s->d};
            return s;
        }
        case Expr::Kind::Sum:
        case Expr::Kind::Product: {
            std::optional<Surd> acc;
            for (const Expr& op : ops) {
                auto s = surdOf(op);
                if (!s) return std::nullopt;
                acc = !acc ? s : e.kind() == Expr::Kind::Sum ? add(*acc, *s) : multiply(*acc, *s);
                if (!acc) return std::nullopt;
            }
            return acc;
        }
        case Expr::Kind::Quotient: {
            auto n = surdOf(ops[0]), m = surdOf(ops[1]);
            if (!n || !m || !m->b.isZero() || m->a.isZero()) return std::nullopt;
            return Surd{n->a / m->a, n->b / m->a, n->d};
        }
        case Expr::Kind::Sqrt:
            if (ops[0].kind() != Expr::Kind::Integer) return std::nullopt;
            return Surd{Rational(), Rational(1), integerOf(ops[0].digits())};
    }
    return std::nullopt;
}

std::optional<Surd> evaluate(const Polynomial& p, const Surd& x) {
    std::optional<Surd> acc = Surd{};
    for (int k = p.degree(); k >= 0 && acc; --k) {
        acc = multiply(*acc, x);
        if (acc) acc->a = acc->a + p.coefficient(k);
    }
    return acc;
}

std::optional<Surd> difference(const Surd& x, const Surd& y) {
    return add(x, Surd{-y.a, -y.b, y.d});
}

Evaluated evaluate(const Polynomial& p, const exact::Value& x) {
    Evaluated e;
    if (x.exact)
        if (auto s = surdOf(*x.exact)) e.exact = evaluate(p, *s);
    e.approx = e.exact ? e.exact->approx() : evaluate(p, static_cast<long double>(x.approx));
    return e;
}

namespace {

// n = k²·m with m square-free, for n up to about 10¹²; above, only the small squares.
void squareFactors(long n, long& k, long& m) {
    k = 1;
    m = 1;
    for (long p = 2; p <= 1000000 && p * p <= n; ++p) {
        while (n % (p * p) == 0) {
            n /= p * p;
            k *= p;
        }
        if (n % p == 0) {
            n /= p;
            m *= p;
        }
    }
    const long s = std::lround(std::sqrt(static_cast<double>(n)));
    if (s * s == n)
        k *= s;
    else
        m *= n;
}

bool fitsLong(const std::string& digits) { return digits.size() <= 12; }

}  // namespace

SquareRoot squareRoot(const Rational& r) {
    if (r.sign() > 0 && fitsLong(r.numerator()) && fitsLong(r.denominator())) {
        long k1 = 0, m1 = 0, k2 = 0, m2 = 0;
        squareFactors(std::stol(r.numerator()), k1, m1);
        squareFactors(std::stol(r.denominator()), k2, m2);
        // √(k1²m1 / (k2²m2)) = k1·√(m1·m2) / (k2·m2)
        const Rational c = Rational(k1) / (Rational(k2) * Rational(m2));
        if (m1 * m2 == 1) return {c, number(c)};
        if (static_cast<double>(m1) * static_cast<double>(m2) < 1e15)
            return {std::nullopt, number(Surd{Rational(), c, Rational(m1 * m2)})};
    }
    if (r.isZero()) return {Rational(), text("0")};
    return {std::nullopt, Math::root(number(r))};
}

std::string decimal(long double v, int places) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", places, v);
    std::string s = buffer;
    std::replace(s.begin(), s.end(), '.', ',');
    if (s[0] == '-') {
        const bool zero = s.find_first_not_of("-0,") == std::string::npos;
        s = zero ? s.substr(1) : "−" + s.substr(1);
    }
    return s;
}

Math text(std::string s) { return Math::text(std::move(s)); }
Math number(const Rational& r) { return schoolMath(r.expr()); }
Math number(const Surd& s) { return schoolMath(s.expr()); }

Math valueAndSign(const Evaluated& e, int sign) {
    const std::string relation = sign < 0 ? " < 0" : sign > 0 ? " > 0" : "";
    if (!e.exact) return text(" ≈ " + decimal(e.approx) + relation);
    if (e.exact->b.isZero()) return Math::row({text(" = "), number(e.exact->a), text(relation)});
    return Math::row(
        {text(" = "), number(*e.exact), text(" ≈ " + decimal(e.exact->approx()) + relation)});
}

Paragraph line(std::vector<Math> items) { return {std::move(items)}; }
Paragraph sentence(std::string s) { return {{text(std::move(s))}}; }

Math indexed(const std::string& name, std::size_t i, std::size_t count) {
    if (count < 2) return text(name);
    return Math::index(text(name), text(std::to_string(i + 1)));
}

std::string plural(int multiplicity) {
    switch (multiplicity) {
        case 1:
            return "einfache";
        case 2:
            return "doppelte";
        case 3:
            return "dreifache";
        default:
            return "vierfache";
    }
}

Rational between(long double lo, long double hi) {
    if (!std::isfinite(lo) && !std::isfinite(hi)) return Rational();
    if (!std::isfinite(lo)) lo = hi - 2;
    if (!std::isfinite(hi)) hi = lo + 2;
    if (lo < 0 && 0 < hi) return Rational();
    const long double middle = (lo + hi) / 2;
    for (long denominator = 1; denominator <= 1000000000000L; denominator *= 10) {
        for (long den : {denominator, 2 * denominator, 5 * denominator}) {
            const long double t = std::round(middle * den) / den;
            if (lo < t && t < hi && std::fabs(middle * den) < 1e17L)
                return Rational(static_cast<long>(std::round(middle * den)), den);
        }
    }
    // Far from 1 or in a narrow gap: the middle itself, exactly as the dyadic number it is.
    int exponent = 0;
    const long double mantissa = std::frexp(middle, &exponent);
    Rational t(static_cast<long>(std::ldexp(mantissa, 62)));
    const Rational two(2);
    for (int e = exponent - 62; e > 0; --e) t = t * two;
    for (int e = exponent - 62; e < 0; ++e) t = t / two;
    return t;
}

}  // namespace doc::way
