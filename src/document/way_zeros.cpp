#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "document/school_notation.h"
#include "document/solution_way.h"
#include "document/way_numbers.h"

namespace doc {
namespace {

using exact::Polynomial;
using exact::Rational;
using namespace way;

Math power(const std::string& variable, int k) {
    return k == 1 ? text(variable) : Math::power(text(variable), text(std::to_string(k)));
}

Polynomial linear(const Rational& root) { return {{-root, Rational(1)}}; }

// A quadratic equation solved, in the terms of the pq-Formel: x = center ± √discriminant.
struct Quadratic {
    Rational center, discriminant;
    SquareRoot root;
};

// The formula's own lines: its name and numbers, the formula, the discriminant written as the
// formula names it, which has the sign of D = (p/2)² − q.
void formulaLines(const Polynomial& q, const std::string& v, QuadraticFormula formula,
                  std::vector<Paragraph>& out) {
    const Rational a = q.coefficient(2), b = q.coefficient(1), c = q.coefficient(0);
    const Math pair = Math::index(text(v), text("1,2"));
    if (formula == QuadraticFormula::Midnight) {
        out.push_back(line({text("Mitternachtsformel mit a = "), number(a), text(", b = "),
                            number(b), text(" und c = "), number(c), text(":")}));
        out.push_back(line({pair, text(" = (−b ± √(b² − 4ac)) / (2a)")}));
        out.push_back(
            line({text("Diskriminante D = b² − 4ac = "), number(b * b - Rational(4) * a * c)}));
        return;
    }
    const Rational p = b / a, q0 = c / a;
    if (!(a == Rational(1)))
        out.push_back(line({text("Division durch "), number(a), text(": "),
                            schoolMath(Polynomial{{q0, p, Rational(1)}}, v), text(" = 0")}));
    out.push_back(
        line({text("pq-Formel mit p = "), number(p), text(" und q = "), number(q0), text(":")}));
    out.push_back(line({pair, text(" = −p/2 ± √((p/2)² − q)")}));
    const Rational center = -p / Rational(2);
    out.push_back(line({text("Diskriminante D = (p/2)² − q = "), number(center * center - q0)}));
}

// The Mitternachtsformel with the numbers put in, before the root is simplified.
Paragraph midnightNumbers(const Polynomial& q, const std::string& v) {
    const Rational a = q.coefficient(2), b = q.coefficient(1), c = q.coefficient(0);
    const Math root = Math::root(number(b * b - Rational(4) * a * c));
    return line(
        {Math::index(text(v), text("1,2")), text(" = "),
         Math::fraction(Math::row({number(-b), text(" ± "), root}), number(Rational(2) * a))});
}

// a·v² + b·v + c = 0 solved with the chosen formula; what the Substitution needs to go on.
Quadratic quadraticWay(const Polynomial& q, const std::string& v, QuadraticFormula formula,
                       std::vector<Paragraph>& out) {
    formulaLines(q, v, formula, out);
    const Rational p = q.coefficient(1) / q.coefficient(2), c = q.coefficient(0) / q.coefficient(2);
    const Rational center = -p / Rational(2);
    const Rational d = center * center - c;
    const Math pair = Math::index(text(v), text("1,2"));
    Quadratic result{center, d, squareRoot(d.sign() < 0 ? Rational() : d)};
    if (d.sign() < 0) {
        out.push_back(sentence("D < 0: Die Gleichung hat keine reelle Lösung."));
        return result;
    }
    if (d.isZero()) {
        out.push_back(sentence("D = 0: genau eine Lösung, eine doppelte."));
        out.push_back(line({text(v + " = "), number(center)}));
        return result;
    }
    out.push_back(sentence("D > 0: zwei Lösungen."));
    if (formula == QuadraticFormula::Midnight) out.push_back(midnightNumbers(q, v));
    if (result.root.rational) {
        const Rational s = *result.root.rational;
        out.push_back(
            line({Math::index(text(v), text("1")), text(" = "), number(center - s), text(", "),
                  Math::index(text(v), text("2")), text(" = "), number(center + s)}));
    } else if (center.isZero()) {
        out.push_back(line({pair, text(" = ±"), result.root.math}));
    } else {
        out.push_back(line({pair, text(" = "), number(center), text(" ± "), result.root.math}));
    }
    return result;
}

void substitutionWay(const Polynomial& q, QuadraticFormula formula, std::vector<Paragraph>& out) {
    const Polynomial inZ{{q.coefficient(0), q.coefficient(2), q.coefficient(4)}};
    out.push_back(line({text("Substitution z = x²: "), schoolMath(inZ, "z"), text(" = 0")}));
    const Quadratic z = quadraticWay(inZ, "z", formula, out);
    if (z.discriminant.sign() < 0) {
        out.push_back(sentence("Also hat auch die Gleichung für x keine Lösung."));
        return;
    }
    out.push_back(sentence("Rücksubstitution x² = z:"));
    auto rationalZ = [&](const Rational& value) {
        if (value.sign() < 0)
            out.push_back(line({text("x² = "), number(value), text(": keine Lösung, da x² ≥ 0")}));
        else if (value.isZero())
            out.push_back(sentence("x² = 0 ⇒ x = 0"));
        else
            out.push_back(
                line({text("x² = "), number(value), text(" ⇒ x = ±"), squareRoot(value).math}));
    };
    if (z.discriminant.isZero()) {
        rationalZ(z.center);
    } else if (z.root.rational) {
        rationalZ(z.center - *z.root.rational);
        rationalZ(z.center + *z.root.rational);
    } else {
        // z = c ± √D: positive exactly when c ≥ 0, or when D > c² for the plus sign.
        const Rational c2 = z.center * z.center;
        for (int s : {-1, 1}) {
            const bool positive = s > 0 ? (z.center.sign() >= 0 || c2 < z.discriminant)
                                        : (z.center.sign() > 0 && z.discriminant < c2);
            const Math value = Math::row(
                {z.center.isZero() ? text(s < 0 ? "−" : "")
                                   : Math::row({number(z.center), text(s < 0 ? " − " : " + ")}),
                 z.root.math});
            if (positive)
                out.push_back(line({text("x² = "), value, text(" ⇒ x = ±"), Math::root(value)}));
            else
                out.push_back(line({text("x² = "), value, text(" < 0: keine Lösung, da x² ≥ 0")}));
        }
    }
}

std::vector<long> divisors(long n) {
    std::vector<long> result;
    n = std::labs(n);
    for (long k = 1; k * k <= n; ++k)
        if (n % k == 0) {
            result.push_back(k);
            if (k * k != n) result.push_back(n / k);
        }
    return result;
}

// Raten among ±p/q: the first candidate that is a zero, "durch Probieren gefunden".
std::optional<Rational> guessWay(const Polynomial& q, const std::string& name,
                                 std::vector<Paragraph>& out) {
    Rational scale(1);
    for (const Rational& c : q.coefficients) scale = scale * denominatorOf(c);
    const Rational a0 = q.coefficient(0) * scale, an = q.coefficient(q.degree()) * scale;
    if (a0.numerator().size() > 10 || an.numerator().size() > 10) {
        out.push_back(sentence("Die Teiler der Koeffizienten sind zu viele zum Raten."));
        return std::nullopt;
    }
    const std::vector<long> ps = divisors(std::stol(a0.numerator()));
    const std::vector<long> qs = divisors(std::stol(an.numerator()));
    if (ps.size() * qs.size() > 2000) {
        out.push_back(sentence("Die Teiler der Koeffizienten sind zu viele zum Raten."));
        return std::nullopt;
    }
    std::vector<Rational> positive;
    for (long p : ps)
        for (long s : qs) positive.push_back(Rational(p, s));
    // Integers first, as a student tries them, then the fractions; smaller ones first.
    std::sort(positive.begin(), positive.end(), [](const Rational& x, const Rational& y) {
        if (x.isInteger() != y.isInteger()) return x.isInteger();
        return x < y;
    });
    positive.erase(std::unique(positive.begin(), positive.end()), positive.end());
    std::vector<Math> list{text("Raten: Rationale Nullstellen sind von der Form ±p/q, p teilt "),
                           number(a0), text(", q teilt "), number(an), text(": ")};
    constexpr std::size_t kShown = 12;
    for (std::size_t i = 0; i < positive.size() && i < kShown; ++i) {
        list.push_back(text(i ? ", ±" : "±"));
        list.push_back(number(positive[i]));
    }
    if (positive.size() > kShown) list.push_back(text(", …"));
    out.push_back(line(std::move(list)));

    std::vector<Math> tried;
    std::size_t count = 0;
    for (const Rational& p : positive) {
        for (const Rational& c : {p, -p}) {
            const Rational value = evaluate(q, c);
            if (count < 8 || value.isZero()) {
                if (!tried.empty())
                    tried.push_back(text(count > 8 && value.isZero() ? ", …, " : ", "));
                tried.push_back(
                    Math::row({text(name + "("), number(c), text(") = "), number(value)}));
            }
            ++count;
            if (value.isZero()) {
                out.push_back(line(std::move(tried)));
                out.push_back(line({text("x = "), number(c),
                                    text(" ist eine Nullstelle, durch Probieren gefunden.")}));
                return c;
            }
        }
    }
    out.push_back(line(std::move(tried)));
    out.push_back(sentence("Keiner der Kandidaten ist eine Nullstelle."));
    return std::nullopt;
}

// The Polynomdivision by (x − r) as the Horner scheme; returns the quotient.
Polynomial hornerWay(const Polynomial& q, const Rational& r, const std::string& name,
                     std::vector<Paragraph>& out) {
    out.push_back(line({text("Polynomdivision durch ("), schoolMath(linear(r)),
                        text(") mit dem Horner-Schema:")}));
    const int n = q.degree();
    std::vector<Rational> sums;
    std::vector<Math> top{text("      ")}, middle{text("x = "), number(r), text(":  ")},
        bottom{text("      ")};
    for (int k = n; k >= 0; --k) {
        const Rational product = sums.empty() ? Rational() : sums.back() * r;
        sums.push_back(q.coefficient(k) + product);
        const std::string gap = k == n ? "" : " | ";
        top.push_back(text(gap));
        top.push_back(number(q.coefficient(k)));
        middle.push_back(text(gap));
        middle.push_back(k == n ? text(" ") : number(product));
        bottom.push_back(text(gap));
        bottom.push_back(number(sums.back()));
    }
    out.push_back(line(std::move(top)));
    out.push_back(line(std::move(middle)));
    out.push_back(line(std::move(bottom)));
    Polynomial quotient;
    for (int k = n - 1; k >= 0; --k)
        quotient.coefficients.push_back(sums[static_cast<std::size_t>(k)]);
    out.push_back(line({text("Rest 0: " + name + "(x) = ("), schoolMath(linear(r)), text(") · ("),
                        schoolMath(quotient), text(")")}));
    return quotient;
}

// A start value as typed: "0,5", "−1".
std::string shortDecimal(long double v) {
    std::string s = decimal(v, 2);
    while (s.back() == '0') s.pop_back();
    if (s.back() == ',') s.pop_back();
    return s;
}

void newtonWay(const Polynomial& q, const exact::Analysed& a, const std::string& name,
               std::vector<Paragraph>& out) {
    const Polynomial q1 = derivative(q);
    std::vector<std::size_t> targets;
    for (std::size_t i = 0; i < a.roots.size(); ++i)
        if (a.roots[i].method != exact::Method::RationalRoot) targets.push_back(i);
    if (targets.empty()) {
        out.push_back(line({text("Die Gleichung "), schoolMath(q),
                            text(" = 0 hat keine reelle "
                                 "Lösung.")}));
        return;
    }
    out.push_back(
        line({text("Näherungsverfahren (Newton-Verfahren) für "), schoolMath(q), text(" = 0:")}));
    const std::string slope = name == "f′" ? "f″" : name == "f″" ? "f‴" : name + "′";
    out.push_back(line({text("xₙ₊₁ = xₙ − " + name + "(xₙ)/" + slope + "(xₙ)")}));
    for (std::size_t i : targets) {
        const exact::Root& root = a.roots[i];
        const long double target = root.x.approx;
        if (!std::isfinite(target) || std::fabs(target) > 1e12L) continue;
        const long lo = static_cast<long>(std::floor(target));
        const Rational left(lo), right(lo + 1);
        const int sl = evaluate(q, left).sign(), sr = evaluate(q, right).sign();
        if (sl * sr < 0)
            out.push_back(line({text("Vorzeichenwechsel zwischen "), number(left), text(" und "),
                                number(right), text(": " + name + "("), number(left),
                                text(std::string(sl < 0 ? ") < 0, " : ") > 0, ") + name + "("),
                                number(right), text(sr < 0 ? ") < 0" : ") > 0")}));
        // A start value near the root; a finer one where the coarse one runs to another root.
        long double x0 = 0;
        for (long double step : {0.5L, 0.1L, 0.01L}) {
            x0 = std::round(target / step) * step;
            long double x = x0;
            for (int k = 0; k < 8; ++k) x -= evaluate(q, x) / evaluate(q1, x);
            if (std::fabs(x - target) < 1e-6L * (1 + std::fabs(target))) break;
        }
        // The steps are x₀, x₁, …; the roots get their names x₁, x₂, … once all are found.
        out.push_back(sentence("Startwert x₀ = " + shortDecimal(x0)));
        long double x = x0;
        const char* const names[] = {"x₀", "x₁", "x₂", "x₃", "x₄"};
        for (int k = 0; k < 4; ++k) {
            const long double next = x - evaluate(q, x) / evaluate(q1, x);
            out.push_back(
                line({text(std::string(names[k + 1]) + " = " + names[k] + " − " + name + "(" +
                           names[k] + ")/" + slope + "(" + names[k] + ") ≈ " + decimal(next, 6))}));
            x = next;
        }
        out.push_back(
            line({text("gesichert auf vier Stellen: "), equation(text("Nullstelle"), root.x)}));
    }
}

// A factor of the Zerlegung; the power brackets its base itself.
Math factorMath(const Polynomial& p, int multiplicity, bool alone = false) {
    const bool isX = p.degree() == 1 && p.coefficient(0).isZero();
    if (multiplicity > 1)
        return Math::power(isX ? text("x") : schoolMath(p), text(std::to_string(multiplicity)));
    return isX || alone ? schoolMath(p) : Math::row({text("("), schoolMath(p), text(")")});
}

// What a zero of f of this multiplicity means for the graph.
std::string graphAtZero(int multiplicity) {
    switch (multiplicity) {
        case 1:
            return "Der Graph schneidet die x‑Achse.";
        case 3:
            return "Sattelpunkt auf der x‑Achse.";
        default:
            return "Der Graph berührt die x‑Achse.";
    }
}

void multiplicityWay(const exact::Analysed& a, const std::string& name,
                     std::vector<Paragraph>& out) {
    if (a.roots.empty()) return;
    std::vector<Math> product{text("Zerlegung: " + name + "(x) = ")};
    if (a.content == Rational(-1))
        product.push_back(text("−"));
    else if (!(a.content == Rational(1)))
        product.push_back(Math::row({number(a.content), text(" · ")}));
    for (std::size_t k = 0; k < a.factors.size(); ++k) {
        if (k) product.push_back(text(" · "));
        product.push_back(factorMath(a.factors[k].polynomial, a.factors[k].multiplicity,
                                     a.factors.size() == 1 && a.content == Rational(1)));
    }
    out.push_back(line(std::move(product)));
    for (std::size_t i = 0; i < a.roots.size(); ++i) {
        const exact::Root& r = a.roots[i];
        const exact::Factor& factor = a.factors[static_cast<std::size_t>(r.factor)];
        // One zero of f′ or f″ is x_E or x_W, as the conditions below name it.
        const Math x = a.roots.size() > 1 || name == "f"
                           ? indexed("x", i, a.roots.size())
                           : Math::index(text("x"), text(name == "f′" ? "E" : "W"));
        out.push_back(
            line({equation(x, r.x), text(": " + plural(r.multiplicity) + " Nullstelle (Faktor "),
                  factorMath(factor.polynomial, factor.multiplicity),
                  text(name == "f" ? " in der Zerlegung). " + graphAtZero(r.multiplicity)
                                   : " in der Zerlegung)")}));
    }
}

}  // namespace

std::vector<Paragraph> equationWay(const exact::Analysed& a, const std::string& name,
                                   QuadraticFormula formula) {
    std::vector<Paragraph> out;
    const Polynomial& p = a.polynomial;
    out.push_back(line({text(name + "(x) = 0: "), schoolMath(p), text(" = 0")}));
    if (p.degree() < 0) {
        out.push_back(sentence("Jede reelle Zahl löst die Gleichung."));
        return out;
    }
    if (p.degree() == 0) {
        out.push_back(sentence("Die Gleichung hat keine Lösung."));
        return out;
    }
    int k = 0;
    while (p.coefficient(k).isZero()) ++k;
    Polynomial q;
    q.coefficients.assign(p.coefficients.begin() + k, p.coefficients.end());
    const char* const names[] = {"g", "h", "k"};
    int used = 0;
    std::string current = name;
    if (k > 0) {
        if (q.degree() == 0) {
            out.push_back(k == 1 ? sentence("⇒ x = 0")
                                 : line({power("x", k), text(" = 0 ⇒ x = 0")}));
        } else {
            out.push_back(line({text("Ausklammern: "), power("x", k), text(" · ("), schoolMath(q),
                                text(") = 0")}));
            out.push_back(
                line({text("Satz vom Nullprodukt: x = 0 oder "), schoolMath(q), text(" = 0")}));
        }
        current = names[used++];
    }
    while (q.degree() >= 1) {
        if (q.degree() == 1) {
            out.push_back(line({schoolMath(q), text(" = 0 ⇒ x = "),
                                number(-q.coefficient(0) / q.coefficient(1))}));
            break;
        }
        if (q.degree() == 2) {
            quadraticWay(q, "x", formula, out);
            break;
        }
        if (q.degree() == 4 && q.coefficient(3).isZero() && q.coefficient(1).isZero()) {
            substitutionWay(q, formula, out);
            break;
        }
        if (current != name) out.push_back(line({text(current + "(x) = "), schoolMath(q)}));
        const auto r = guessWay(q, current, out);
        if (!r) {
            newtonWay(q, a, current, out);
            break;
        }
        q = hornerWay(q, *r, current, out);
        current = names[std::min(used++, 2)];
    }
    multiplicityWay(a, name, out);
    return out;
}

}  // namespace doc
