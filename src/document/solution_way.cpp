#include "document/solution_way.h"

#include <cmath>
#include <limits>

#include "document/school_notation.h"
#include "document/way_numbers.h"

namespace doc {
namespace {

using exact::Discussion;
using exact::Polynomial;
using exact::Rational;
using namespace way;

void append(std::vector<Paragraph>& out, std::vector<Paragraph> more) {
    for (Paragraph& p : more) out.push_back(std::move(p));
}

Math at(const std::string& name, const Math& x) {
    return Math::row({text(name + "("), x, text(")")});
}

std::string signText(int sign) { return sign < 0 ? " < 0" : sign > 0 ? " > 0" : ""; }

long double approxOf(const exact::Bound& b) {
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    return b.kind == exact::Bound::Kind::MinusInfinity  ? -inf
           : b.kind == exact::Bound::Kind::PlusInfinity ? inf
                                                        : b.value.approx;
}

// "f′(0) = −4 < 0": a test value and the sign of p there, exactly.
Math testValue(const Polynomial& p, const std::string& name, const Rational& t, int& sign) {
    const Rational v = evaluate(p, t);
    sign = v.sign();
    return Math::row({at(name, number(t)), text(" = "), number(v), text(signText(sign))});
}

// Test values left and right of root i of `a`, between its neighbours.
void signChangeWay(const exact::Analysed& a, std::size_t i, const std::string& name,
                   std::vector<Paragraph>& out) {
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    const long double x = a.roots[i].x.approx;
    const long double before = i > 0 ? a.roots[i - 1].x.approx : -inf;
    const long double after = i + 1 < a.roots.size() ? a.roots[i + 1].x.approx : inf;
    int left = 0, right = 0;
    const Math l = testValue(a.polynomial, name, between(before, x), left);
    const Math r = testValue(a.polynomial, name, between(x, after), right);
    out.push_back(line({text("Testwerte: "), l, text(", "), r}));
}

// A factor or subtrahend in brackets where it is negative or a sum.
Math bracketed(const exact::Value& v) {
    const bool plain = v.exact ? v.exact->kind() != exact::Expr::Kind::Negation &&
                                     v.exact->kind() != exact::Expr::Kind::Sum
                               : v.decimal[0] != '-';
    return plain ? valueMath(v) : Math::row({text("("), valueMath(v), text(")")});
}

// x₁, x₂ for several roots, x_E or x_W for one.
Math place(const std::string& letter, std::size_t i, std::size_t count) {
    return count < 2 ? Math::index(text("x"), text(letter)) : indexed("x", i, count);
}

struct Names {
    std::size_t maxima = 0, minima = 0, saddles = 0;
};

std::vector<Paragraph> extremesWay(const Discussion& d, QuadraticFormula formula) {
    std::vector<Paragraph> out;
    if (d.degree < 2) return out;
    out.push_back(sentence("notwendige Bedingung: f′(x) = 0"));
    append(out, equationWay(d.derivative1, "f′", formula));
    Names count;
    for (const exact::Stationary& p : d.stationary)
        (p.kind == exact::Stationary::Kind::Max   ? count.maxima
         : p.kind == exact::Stationary::Kind::Min ? count.minima
                                                  : count.saddles)++;
    Names used;
    const auto& roots = d.derivative1.roots;
    for (const exact::Stationary& p : d.stationary) {
        const auto i = static_cast<std::size_t>(p.root);
        const Math xi = place("E", i, roots.size());
        const bool max = p.kind == exact::Stationary::Kind::Max;
        const bool min = p.kind == exact::Stationary::Kind::Min;
        const std::string kind = max ? "Hochpunkt" : min ? "Tiefpunkt" : "Sattelpunkt";
        if (roots[i].multiplicity == 1) {
            const Evaluated e = evaluate(d.derivative2.polynomial, roots[i].x);
            out.push_back(line({text("hinreichende Bedingung: "), at("f″", xi),
                                valueAndSign(e, max ? -1 : 1), text(" ⇒ " + kind)}));
        } else {
            out.push_back(
                line({text("hinreichende Bedingung: "), at("f″", xi),
                      text(" = 0: keine Entscheidung, Vorzeichenwechsel von f′ prüfen.")}));
            signChangeWay(d.derivative1, i, "f′", out);
            out.push_back(sentence(max   ? "Vorzeichenwechsel von + nach − ⇒ Hochpunkt"
                                   : min ? "Vorzeichenwechsel von − nach + ⇒ Tiefpunkt"
                                         : "kein Vorzeichenwechsel ⇒ Sattelpunkt, kein "
                                           "Extrempunkt"));
        }
        const std::string letter = max ? "H" : min ? "T" : "S";
        std::size_t& index = max ? used.maxima : min ? used.minima : used.saddles;
        const std::size_t total = max ? count.maxima : min ? count.minima : count.saddles;
        static const char* const subscripts[] = {"₁", "₂", "₃"};
        const std::string name = total < 2 || index >= 3 ? letter : letter + subscripts[index];
        ++index;
        out.push_back(line(
            {text("y-Wert: "), equation(at("f", xi), p.y), text(" ⇒ "), point(name, p.x, p.y)}));
    }
    return out;
}

std::vector<Paragraph> inflectionsWay(const Discussion& d, QuadraticFormula formula) {
    std::vector<Paragraph> out;
    if (d.degree < 2) return out;
    if (d.degree == 2) {
        out.push_back(line({text("f″(x) = "), schoolMath(d.derivative2.polynomial),
                            text(" ≠ 0: keine Wendestellen")}));
        return out;
    }
    out.push_back(sentence("notwendige Bedingung: f″(x) = 0"));
    append(out, equationWay(d.derivative2, "f″", formula));
    const auto& roots = d.derivative2.roots;
    for (std::size_t j = 0; j < roots.size(); ++j) {
        const Math xj = place("W", j, roots.size());
        if (roots[j].multiplicity == 1) {
            const Evaluated e = evaluate(d.derivative3, roots[j].x);
            out.push_back(line({text("hinreichende Bedingung: "), at("f‴", xj), valueAndSign(e, 0),
                                text(" ≠ 0 ⇒ Wendestelle")}));
        } else {
            out.push_back(line({text("hinreichende Bedingung: "), at("f‴", xj),
                                text(" = 0: Vorzeichenwechsel von f″ prüfen.")}));
            signChangeWay(d.derivative2, j, "f″", out);
            if (roots[j].multiplicity % 2 == 0) {
                out.push_back(sentence("kein Vorzeichenwechsel ⇒ keine Wendestelle"));
                continue;
            }
            out.push_back(sentence("Vorzeichenwechsel ⇒ Wendestelle"));
        }
        for (const exact::Stationary& s : d.stationary)
            if (s.kind == exact::Stationary::Kind::Saddle && s.x.text() == roots[j].x.text())
                out.push_back(line({text("Sattelpunkt-Test: "), at("f′", xj),
                                    text(" = 0 ⇒ Sattelpunkt "), point("S", s.x, s.y)}));
        for (std::size_t k = 0; k < d.inflections.size(); ++k) {
            const exact::Inflection& w = d.inflections[k];
            if (static_cast<std::size_t>(w.root) != j) continue;
            static const char* const subscripts[] = {"₁", "₂", "₃"};
            const std::string name =
                d.inflections.size() < 2 || k >= 3 ? "W" : std::string("W") + subscripts[k];
            out.push_back(line({text("Sattelpunkt-Test: "), equation(at("f′", xj), w.slope),
                                text(" ≠ 0: kein Sattelpunkt")}));
            out.push_back(line({text("y-Wert: "), equation(at("f", xj), w.y), text(" ⇒ "),
                                point(name, w.x, w.y)}));
            out.push_back(line({text("Wendetangente y = m · x + b: "),
                                equation(Math::row({text("m = "), at("f′", xj)}), w.slope)}));
            out.push_back(
                line({equation(Math::row({text("b = y − m · x = "), valueMath(w.y), text(" − "),
                                          bracketed(w.slope), text(" · "), bracketed(w.x)}),
                               w.intercept)}));
        }
    }
    return out;
}

bool equal(const Polynomial& a, const Polynomial& b) {
    if (a.degree() != b.degree()) return false;
    for (int k = 0; k <= a.degree(); ++k)
        if (!(a.coefficient(k) == b.coefficient(k))) return false;
    return true;
}

std::vector<Paragraph> symmetryWay(const Discussion& d) {
    std::vector<Paragraph> out;
    if (d.degree == 0) return out;
    Polynomial mirrored = d.f.polynomial, negated = d.f.polynomial;
    for (int k = 0; k <= mirrored.degree(); ++k) {
        if (k % 2) mirrored.coefficients[static_cast<std::size_t>(k)] = -mirrored.coefficient(k);
        negated.coefficients[static_cast<std::size_t>(k)] = -negated.coefficient(k);
    }
    const bool even = equal(mirrored, d.f.polynomial), odd = equal(mirrored, negated);
    out.push_back(line({text("f(−x) = "), schoolMath(mirrored),
                        text(even  ? " = f(x)"
                             : odd ? " = −f(x)"
                                   : "")}));
    if (!even && !odd) out.push_back(line({text("−f(x) = "), schoolMath(negated)}));
    return out;
}

std::vector<Paragraph> infinityWay(const Discussion& d) {
    std::vector<Paragraph> out;
    if (d.degree == 0) return out;
    const Rational a = d.f.polynomial.coefficient(d.degree);
    out.push_back(line({text("Der Exponent " + std::to_string(d.degree) + " ist " +
                             (d.degree % 2 ? "ungerade" : "gerade") + ", der Faktor "),
                        number(a), text(a.sign() > 0 ? " > 0." : " < 0.")}));
    return out;
}

std::vector<Paragraph> signTable(const std::vector<exact::Interval>& list, const exact::Analysed& a,
                                 const std::string& name, const std::string& what) {
    const Polynomial& p = a.polynomial;
    std::vector<Paragraph> out;
    if (list.empty() || list.front().kind == exact::Interval::Kind::Constant) return out;
    out.push_back(sentence("Vorzeichentabelle von " + name +
                           ", ein Testwert in jedem Intervall "
                           "zwischen den Nullstellen von " +
                           name + ":"));
    for (const exact::Interval& i : list) {
        int sign = 0;
        // Left of the first zero inside: a zero without sign change lies within an interval.
        const long double lo = approxOf(i.from);
        long double hi = approxOf(i.to);
        for (const exact::Root& r : a.roots)
            if (lo < r.x.approx && r.x.approx < hi) hi = r.x.approx;
        const Math v = testValue(p, name, between(lo, hi), sign);
        const std::string meaning = what == "Monotonie" ? (sign > 0 ? "steigend" : "fallend")
                                                        : (sign > 0 ? "Linkskurve" : "Rechtskurve");
        out.push_back(line({text("]"), boundMath(i.from), text("; "), boundMath(i.to), text("[: "),
                            v, text(" ⇒ " + meaning)}));
    }
    return out;
}

std::vector<Paragraph> rangeWay(const Discussion& d) {
    std::vector<Paragraph> out;
    if (d.degree == 0) return out;
    if (d.degree % 2) {
        out.push_back(
            sentence("Ungerader Grad: f(x) läuft von einem Unendlichen zum anderen und "
                     "nimmt dazwischen als stetige Funktion jeden Wert an."));
        return out;
    }
    const bool up = d.f.polynomial.coefficient(d.degree).sign() > 0;
    const exact::Bound& b = up ? d.rangeLow : d.rangeHigh;
    out.push_back(line(
        {text(up ? "Gerader Grad, Faktor > 0: f(x) → +∞ an beiden Enden, der kleinste Wert ist "
                   "der y-Wert des tiefsten Tiefpunkts: "
                 : "Gerader Grad, Faktor < 0: f(x) → −∞ an beiden Enden, der größte Wert ist der "
                   "y-Wert des höchsten Hochpunkts: "),
         boundMath(b)}));
    return out;
}

std::vector<Paragraph> areaWay(const Discussion& d) {
    std::vector<Paragraph> out;
    if (!d.area) return out;
    const auto& zeros = d.f.roots;
    out.push_back(
        sentence("Die Fläche zwischen der kleinsten und der größten Nullstelle ist die Summe der "
                 "Beträge der Integrale zwischen benachbarten Nullstellen."));
    out.push_back(line({text("Stammfunktion F(x) = "), schoolMath(d.antiderivative)}));
    for (std::size_t i = 0; i + 1 < zeros.size(); ++i) {
        const Evaluated lo = evaluate(d.antiderivative, zeros[i].x);
        const Evaluated hi = evaluate(d.antiderivative, zeros[i + 1].x);
        Evaluated integral;
        if (lo.exact && hi.exact) integral.exact = difference(*hi.exact, *lo.exact);
        integral.approx = integral.exact ? integral.exact->approx() : hi.approx - lo.approx;
        const Math a = indexed("x", i, zeros.size()), b = indexed("x", i + 1, zeros.size());
        out.push_back(line({Math::index(text("I"), text(std::to_string(i + 1))), text(" = "),
                            Math::power(Math::index(text("∫"), a), b), text(" f(x) dx = F("), b,
                            text(") − F("), a, text(")"), valueAndSign(integral, 0)}));
    }
    std::vector<Math> sum{text("A = ")};
    for (std::size_t i = 0; i + 1 < zeros.size(); ++i) {
        sum.push_back(text(i ? " + |" : "|"));
        sum.push_back(Math::index(text("I"), text(std::to_string(i + 1))));
        sum.push_back(text("|"));
    }
    out.push_back(line({equation(Math::row(std::move(sum)), *d.area), text(" FE")}));
    return out;
}

}  // namespace

SolutionWay solutionWay(const Discussion& d, QuadraticFormula formula) {
    SolutionWay way;
    way.symmetry = symmetryWay(d);
    way.infinity = infinityWay(d);
    if (!d.zeroPolynomial) way.zeros = equationWay(d.f, "f", formula);
    way.extremes = extremesWay(d, formula);
    way.inflections = inflectionsWay(d, formula);
    way.monotony = signTable(d.monotony, d.derivative1, "f′", "Monotonie");
    way.curvature = signTable(d.curvature, d.derivative2, "f″", "Krümmung");
    way.range = rangeWay(d);
    way.area = areaWay(d);
    return way;
}

}  // namespace doc
