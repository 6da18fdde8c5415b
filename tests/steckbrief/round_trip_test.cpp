// Random polynomials found again from their own properties: the lines are written as students
// would write them, read, solved, and every line passes the Probe.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "steckbrief/steckbrief.h"

namespace {

using exact::Rational;
using namespace steckbrief;
using Kind = Condition::Kind;
using Polynomial = std::vector<Rational>;  // by power

// Evaluated and differentiated here by Horner and the power rule, not by the program's forms.
Rational at(const Polynomial& p, const Rational& x) {
    Rational value;
    for (std::size_t k = p.size(); k-- > 0;) value = value * x + p[k];
    return value;
}

Polynomial derivative(const Polynomial& p) {
    Polynomial d;
    for (std::size_t k = 1; k < p.size(); ++k) d.push_back(p[k] * Rational(static_cast<long>(k)));
    return d.empty() ? Polynomial{0} : d;
}

Rational derivativeAt(const Polynomial& p, int order, const Rational& x) {
    Polynomial d = p;
    for (int i = 0; i < order; ++i) d = derivative(d);
    return at(d, x);
}

// Σ c[n]·(x − x0)^n by powers of x: Horner in (x − x0).
Polynomial fromTaylor(const std::vector<Rational>& c, const Rational& x0) {
    Polynomial p{c.back()};
    for (std::size_t n = c.size() - 1; n-- > 0;) {
        Polynomial next(p.size() + 1);
        for (std::size_t k = 0; k < p.size(); ++k) {
            next[k + 1] = next[k + 1] + p[k];
            next[k] = next[k] - x0 * p[k];
        }
        next[0] = next[0] + c[n];
        p = next;
    }
    return p;
}

class Writer {
  public:
    explicit Writer(unsigned seed) : rng_(seed) {}

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool chance(int percent) { return between(1, 100) <= percent; }

    Rational small(bool zero = true) {
        static const long kDenominators[] = {1, 1, 1, 2, 3, 4, 5, 8};
        Rational r;
        do r = Rational(between(-6, 6), kDenominators[between(0, 7)]);
        while (!zero && r.isZero());
        return r;
    }

    // A node apart from all used so far.
    Rational node() {
        for (;;) {
            const Rational x = small();
            if (std::none_of(used_.begin(), used_.end(),
                             [&](const Rational& u) { return u == x; })) {
                used_.push_back(x);
                return x;
            }
        }
    }
    // A node right of 0 whose mirror image is no node either, for the symmetric polynomials.
    Rational positiveNode() {
        for (;;) {
            const Rational x = node();
            if (x.sign() <= 0) continue;
            if (std::none_of(used_.begin(), used_.end(),
                             [&](const Rational& u) { return u == -x; })) {
                used_.push_back(-x);
                return x;
            }
        }
    }
    void forget() { used_.clear(); }

    // A number as students write it: "3", "-7/4", "−7/4", "-1,75".
    std::string number(const Rational& r) {
        std::string sign = r.sign() < 0 ? (chance(50) ? "-" : "−") : "";
        const Rational size = r.sign() < 0 ? -r : r;
        if (!size.isInteger() && chance(60)) {
            Rational scaled = size;
            for (int places = 1; places <= 6; ++places) {
                scaled = scaled * Rational(10);
                if (!scaled.isInteger()) continue;
                std::string digits = scaled.numerator();
                digits.insert(0, std::max(0, places + 1 - static_cast<int>(digits.size())), '0');
                digits.insert(digits.size() - places, ",");
                return sign + digits;
            }
        }
        return sign + size.text();
    }

    std::string separator() { return chance(70) ? "|" : " ; "; }
    std::string primes(int n) {
        static const char* const kAscii[] = {"", "'", "''", "'''"};
        static const char* const kUnicode[] = {"", "′", "″", "‴"};
        return chance(50) ? kAscii[n] : kUnicode[n];
    }

    std::string point(const Polynomial& p, const Rational& x) {
        const Rational y = at(p, x);
        if (y.isZero() && chance(50)) return "N(" + number(x) + ")";
        if (chance(30)) return "f(" + number(x) + ") = " + number(y);
        return (chance(20) ? "P" + std::to_string(between(1, 9)) : "P") + "(" + number(x) +
               separator() + number(y) + ")";
    }

    std::string value(const Polynomial& p, int order, const Rational& x) {
        return "f" + primes(order) + "(" + number(x) + ") = " + number(derivativeAt(p, order, x));
    }

    // "t(2): y = 3x - 1" with the terms in either order.
    std::string tangent(const Polynomial& p, const Rational& x) {
        const Rational m = derivativeAt(p, 1, x), b = at(p, x) - m * x;
        std::vector<std::pair<Rational, std::string>> terms;
        if (!m.isZero()) {
            static const char* const kTimes[] = {"*", "·", "", " "};
            const Rational size = m.sign() < 0 ? -m : m;
            terms.emplace_back(
                m, size == Rational(1) ? "x" : number(size) + kTimes[between(0, 3)] + "x");
        }
        if (!b.isZero() || terms.empty()) terms.emplace_back(b, number(b.sign() < 0 ? -b : b));
        if (chance(30)) std::reverse(terms.begin(), terms.end());
        std::string right;
        for (const auto& [value, text] : terms) {
            if (value.sign() < 0)
                right += right.empty() ? "-" : " - ";
            else if (!right.empty())
                right += " + ";
            right += text;
        }
        return "t(" + number(x) + "): y = " + right;
    }

    // Conditions at x0 that hold together exactly with f, f′, …, f^(m−1) there: such data at
    // distinct nodes always determine the polynomial.
    void hermite(const Polynomial& p, const Rational& x, int m, std::vector<std::string>& lines) {
        const bool useTangent = m >= 2 && chance(50);
        lines.push_back(useTangent ? tangent(p, x) : point(p, x));
        for (int order = useTangent ? 2 : 1; order < m; ++order)
            lines.push_back(value(p, order, x));
    }

    void rest(const Polynomial& p, int count, std::vector<std::string>& lines) {
        while (count > 0) {
            const int m = between(1, std::min(3, count));
            hermite(p, node(), m, lines);
            count -= m;
        }
    }

    std::mt19937& rng() { return rng_; }

  private:
    std::mt19937 rng_;
    std::vector<Rational> used_;
};

struct Case {
    Polynomial byPower;
    std::vector<std::string> lines;
};

// Taylor coefficients at x0 chosen for the point the line names, so that what f has at x0 is
// known without asking the program: c1 = 0 and c2 < 0 is a Hochpunkt, and so on.
Case randomCase(Writer& w) {
    w.forget();
    Case c;
    int degree = w.between(2, 4);
    const int kind = w.between(0, 5);
    if ((kind == 2 || kind == 3) && degree == 2) degree = 3;
    const Rational x0 = w.node(), y0 = w.chance(20) ? Rational() : w.small();
    std::vector<Rational> taylor{y0};
    for (int n = 1; n <= degree; ++n) taylor.push_back(w.small(n != degree));
    switch (kind) {
        case 0: {  // properties anywhere
            c.byPower = fromTaylor(taylor, x0);
            const int m = w.between(1, 3);
            w.hermite(c.byPower, x0, m, c.lines);
            w.rest(c.byPower, degree + 1 - m, c.lines);
            break;
        }
        case 1: {  // an extremum, in degree 4 also a flat one: c1 = c2 = c3 = 0, c4 ≠ 0
            const bool flat = degree == 4 && w.chance(30);
            taylor[1] = 0;
            if (flat) taylor[2] = taylor[3] = 0;
            const int order = flat ? 4 : 2;
            if (taylor[order].isZero()) taylor[order] = 1;
            c.byPower = fromTaylor(taylor, x0);
            const char* letter = w.chance(25) ? "E" : taylor[order].sign() < 0 ? "H" : "T";
            c.lines.push_back(letter + std::string("(") + w.number(x0) + w.separator() +
                              w.number(y0) + ")");
            w.rest(c.byPower, degree - 1, c.lines);
            break;
        }
        case 2:  // a Sattelpunkt
            taylor[1] = taylor[2] = 0;
            if (taylor[3].isZero()) taylor[3] = -2;
            c.byPower = fromTaylor(taylor, x0);
            c.lines.push_back("S(" + w.number(x0) + w.separator() + w.number(y0) + ")");
            w.rest(c.byPower, degree - 2, c.lines);
            break;
        case 3:  // a Wendepunkt, with the slope there as a line of its own or as the tangent
            taylor[2] = 0;
            if (taylor[3].isZero()) taylor[3] = Rational(1, 3);
            c.byPower = fromTaylor(taylor, x0);
            c.lines.push_back("W(" + w.number(x0) + w.separator() + w.number(y0) + ")");
            c.lines.push_back(w.chance(50) ? w.value(c.byPower, 1, x0) : w.tangent(c.byPower, x0));
            w.rest(c.byPower, degree - 2, c.lines);
            break;
        case 4: {  // symmetric to the y-axis: values at distinct |x| decide the even powers
            if (degree == 3) degree = 4;
            c.byPower.assign(degree + 1, 0);
            for (int k = 0; k <= degree; k += 2) c.byPower[k] = w.small(k != degree);
            c.lines.push_back(w.chance(50) ? "achsensymmetrisch" : "Achsensymmetrisch zur y-Achse");
            for (int i = 0; i <= degree / 2; ++i) {
                const Rational x = w.positiveNode();
                c.lines.push_back(w.point(c.byPower, w.chance(50) ? x : -x));
            }
            break;
        }
        default: {  // symmetric to the origin, degree 3: a tangent or two values at distinct |x|
            degree = 3;
            c.byPower = {0, w.small(), 0, w.small(false)};
            c.lines.push_back("punktsymmetrisch");
            const Rational x = w.positiveNode();
            if (w.chance(50)) {
                c.lines.push_back(w.tangent(c.byPower, x));
            } else {
                c.lines.push_back(w.point(c.byPower, x));
                c.lines.push_back(w.point(c.byPower, -w.positiveNode()));
            }
            break;
        }
    }
    // Now and then a line more than needed: it holds, so it changes nothing.
    if (w.chance(20)) c.lines.push_back(w.point(c.byPower, w.node()));
    std::shuffle(c.lines.begin(), c.lines.end(), w.rng());
    return c;
}

std::vector<std::string> texts(const Polynomial& p) {
    std::vector<std::string> t;
    for (const Rational& r : p) t.push_back(r.text());
    return t;
}

TEST(SteckbriefRoundTrip, PolynomialsComeBackFromTheirOwnProperties) {
    Writer w(20240611);
    std::map<Kind, int> seen;
    for (int n = 0; n < 300; ++n) {
        const Case c = randomCase(w);
        std::string text;
        for (const std::string& line : c.lines) text += line + (w.chance(10) ? "\n\n" : "\n");
        SCOPED_TRACE(text);
        const Reading reading = readConditions(text);
        ASSERT_FALSE(reading.unreadableLine) << *reading.unreadableLine;
        ASSERT_EQ(reading.conditions.size(), c.lines.size());
        const int degree = static_cast<int>(c.byPower.size()) - 1;
        const Solution s = solve(equationsOf(reading.conditions, degree), degree);
        ASSERT_EQ(s.outcome, Solution::Outcome::Unique);
        EXPECT_EQ(texts(s.byPower), texts(c.byPower));
        EXPECT_FALSE(s.lowerDegree);
        for (const Check& k : check(reading.conditions, s.byPower))
            EXPECT_TRUE(k.ok) << k.line << ": " << k.reason;
        for (const Condition& condition : reading.conditions) ++seen[condition.kind];
    }
    // Every kind of line took part.
    for (Kind kind :
         {Kind::Value, Kind::Point, Kind::Zero, Kind::Maximum, Kind::Minimum, Kind::Extremum,
          Kind::Inflection, Kind::Saddle, Kind::Tangent, Kind::EvenSymmetry, Kind::OddSymmetry})
        EXPECT_GT(seen[kind], 0) << static_cast<int>(kind);
}

}  // namespace
