#include "document/discussion_document.h"

#include <iterator>
#include <utility>

#include "document/school_notation.h"
#include "document/solution_way.h"
#include "document/way_numbers.h"

namespace doc {
namespace {

using exact::Discussion;
using exact::Value;
using way::line;
using way::sentence;
using way::text;

std::string indexedText(const std::string& name, std::size_t i, std::size_t count) {
    static const char* const subscripts[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
    return count < 2 || i >= 9 ? name : name + subscripts[i + 1];
}

Math function(const std::string& name, const exact::Polynomial& p) {
    return Math::row({text(name + "(x) = "), schoolMath(p)});
}

Section functions(const Discussion& d) {
    Section s{"Funktion und Ableitungen", {}};
    s.paragraphs.push_back(line({function("f", d.f.polynomial)}));
    s.paragraphs.push_back(line({function("f′", d.derivative1.polynomial)}));
    s.paragraphs.push_back(line({function("f″", d.derivative2.polynomial)}));
    s.paragraphs.push_back(line({function("f‴", d.derivative3)}));
    return s;
}

Section symmetry(const Discussion& d) {
    Section s{"Symmetrie", {}};
    for (const exact::Symmetry& sym : d.symmetry) {
        switch (sym.kind) {
            case exact::Symmetry::Kind::YAxis:
                s.paragraphs.push_back(sentence(
                    "f(−x) = f(x) für alle x: Der Graph ist achsensymmetrisch zur y‑Achse."));
                break;
            case exact::Symmetry::Kind::Origin:
                s.paragraphs.push_back(sentence(
                    "f(−x) = −f(x) für alle x: Der Graph ist punktsymmetrisch zum Ursprung."));
                break;
            case exact::Symmetry::Kind::Axis:
                s.paragraphs.push_back(
                    sentence("f(−x) ≠ f(x) und f(−x) ≠ −f(x): keine Symmetrie zur y‑Achse oder "
                             "zum Ursprung."));
                s.paragraphs.push_back(line({text("Der Graph ist achsensymmetrisch zur Geraden "),
                                             equation(text("x"), sym.x), text(".")}));
                break;
            case exact::Symmetry::Kind::Point:
                s.paragraphs.push_back(
                    sentence("f(−x) ≠ f(x) und f(−x) ≠ −f(x): keine Symmetrie zur y‑Achse oder "
                             "zum Ursprung."));
                s.paragraphs.push_back(line({text("Der Graph ist punktsymmetrisch zu seinem "
                                                  "Wendepunkt "),
                                             point("W", sym.x, sym.y), text(".")}));
                break;
            case exact::Symmetry::Kind::None:
                s.paragraphs.push_back(
                    sentence("f(−x) ≠ f(x) und f(−x) ≠ −f(x): keine Symmetrie zur y‑Achse oder "
                             "zum Ursprung, und der Graph ist auch zu keiner anderen senkrechten "
                             "Geraden symmetrisch."));
                break;
        }
    }
    return s;
}

Section infinity(const Discussion& d) {
    Section s{"Verhalten für x → ±∞", {}};
    if (d.degree == 0) {
        s.paragraphs.push_back(
            line({text("f ist konstant: f(x) → "), boundMath(d.limitPlusInfinity),
                  text(" für x → −∞ und für x → +∞.")}));
        return s;
    }
    exact::Polynomial leading;
    leading.coefficients.assign(static_cast<std::size_t>(d.degree) + 1, exact::Rational());
    leading.coefficients.back() = d.f.polynomial.coefficient(d.degree);
    s.paragraphs.push_back(line({text("Der Term mit der höchsten Potenz, "), schoolMath(leading),
                                 text(", bestimmt das Verhalten:")}));
    s.paragraphs.push_back(
        line({text("für x → −∞ gilt f(x) → "), boundMath(d.limitMinusInfinity),
              text(", für x → +∞ gilt f(x) → "), boundMath(d.limitPlusInfinity), text(".")}));
    return s;
}

Section yIntercept(const Discussion& d) {
    Section s{"Schnittpunkt mit der y‑Achse", {}};
    const Math sy = Math::index(text("S"), text("y"));
    s.paragraphs.push_back(line({equation(text("f(0)"), d.yIntercept), text(", also "), sy,
                                 text("(0 | "), valueMath(d.yIntercept), text(").")}));
    return s;
}

Section zeros(const Discussion& d) {
    Section s{"Nullstellen", {}};
    if (d.zeroPolynomial) {
        s.paragraphs.push_back(
            sentence("f(x) = 0 für alle x: Jede reelle Zahl ist eine Nullstelle."));
        return s;
    }
    // The way ends with each zero, its multiplicity and what that means for the graph.
    if (d.f.roots.empty()) s.paragraphs.push_back(sentence("f hat keine reellen Nullstellen."));
    return s;
}

Section extremes(const Discussion& d) {
    Section s{"Extrempunkte", {}};
    std::size_t maxima = 0, minima = 0, saddles = 0;
    for (const exact::Stationary& p : d.stationary)
        (p.kind == exact::Stationary::Kind::Max   ? maxima
         : p.kind == exact::Stationary::Kind::Min ? minima
                                                  : saddles)++;
    std::size_t h = 0, t = 0, sp = 0;
    for (const exact::Stationary& p : d.stationary) {
        switch (p.kind) {
            case exact::Stationary::Kind::Max:
                s.paragraphs.push_back(
                    line({text("Hochpunkt "), point(indexedText("H", h++, maxima), p.x, p.y),
                          text(" (f′ wechselt das Vorzeichen von + nach −)")}));
                break;
            case exact::Stationary::Kind::Min:
                s.paragraphs.push_back(
                    line({text("Tiefpunkt "), point(indexedText("T", t++, minima), p.x, p.y),
                          text(" (f′ wechselt das Vorzeichen von − nach +)")}));
                break;
            case exact::Stationary::Kind::Saddle:
                s.paragraphs.push_back(
                    line({text("Sattelpunkt "), point(indexedText("S", sp++, saddles), p.x, p.y),
                          text(" (f′ = 0 ohne Vorzeichenwechsel)")}));
                break;
        }
    }
    if (d.stationary.empty())
        s.paragraphs.push_back(sentence(d.degree == 0
                                            ? "f ist konstant: keine Extrempunkte."
                                            : "f′ hat keine Nullstelle: keine Extrempunkte."));
    return s;
}

bool isZero(const Value& v) { return v.exact && v.exact->text() == "0"; }
bool isNegative(const Value& v) {
    return v.exact ? v.exact->kind() == exact::Expr::Kind::Negation : v.decimal[0] == '-';
}

// |v| as school mathematics: the closed form without its minus, or the decimal without its sign.
Math magnitudeOf(const Value& v) {
    if (!v.exact) return text(v.decimal[0] == '-' ? v.decimal.substr(1) : v.decimal);
    return schoolMath(isNegative(v) ? v.exact->operands()[0] : *v.exact);
}

// The tangent y = m·x + b as a student writes it: "y = −3x + 8", "y = ½x", "y = 2".
Math tangentLine(const exact::Inflection& w) {
    const bool approximate = !w.slope.exact || !w.intercept.exact;
    std::vector<Math> items{text(approximate ? "y ≈ " : "y = ")};
    if (!isZero(w.slope)) {
        if (isNegative(w.slope)) items.push_back(text("−"));
        const Math m = magnitudeOf(w.slope);
        const bool one = w.slope.exact && m.kind() == Math::Kind::Text && m.textOf() == "1";
        const bool sum = w.slope.exact && w.slope.exact->kind() == exact::Expr::Kind::Sum;
        if (sum) items.push_back(text("("));
        if (!one) items.push_back(m);
        if (sum) items.push_back(text(")"));
        items.push_back(text(one || m.kind() != Math::Kind::Row ? "x" : " · x"));
    }
    if (isZero(w.slope) || !isZero(w.intercept)) {
        if (!isZero(w.slope))
            items.push_back(text(isNegative(w.intercept) ? " − " : " + "));
        else if (isNegative(w.intercept))
            items.push_back(text("−"));
        items.push_back(magnitudeOf(w.intercept));
    }
    return Math::row(std::move(items));
}

Section inflections(const Discussion& d) {
    Section s{"Wendepunkte", {}};
    const auto& ws = d.inflections;
    for (std::size_t i = 0; i < ws.size(); ++i) {
        s.paragraphs.push_back(
            line({text("Wendepunkt "), point(indexedText("W", i, ws.size()), ws[i].x, ws[i].y),
                  text(" (f″ wechselt das Vorzeichen)")}));
        s.paragraphs.push_back(line({text("Wendetangente: "), tangentLine(ws[i])}));
    }
    for (const exact::Stationary& p : d.stationary)
        if (p.kind == exact::Stationary::Kind::Saddle)
            s.paragraphs.push_back(line({text("Der Sattelpunkt "), point("S", p.x, p.y),
                                         text(" ist ein Wendepunkt mit waagerechter Tangente.")}));
    if (ws.empty() && s.paragraphs.empty())
        s.paragraphs.push_back(sentence("f″ wechselt nirgends das Vorzeichen: keine Wendepunkte."));
    return s;
}

Math interval(const exact::Interval& i) {
    return Math::row({text("]"), boundMath(i.from), text("; "), boundMath(i.to), text("[")});
}

std::string intervalKind(exact::Interval::Kind kind) {
    switch (kind) {
        case exact::Interval::Kind::Increasing:
            return "streng monoton steigend auf ";
        case exact::Interval::Kind::Decreasing:
            return "streng monoton fallend auf ";
        case exact::Interval::Kind::Constant:
            return "konstant auf ";
        case exact::Interval::Kind::Convex:
            return "Linkskurve auf ";
        case exact::Interval::Kind::Concave:
            return "Rechtskurve auf ";
    }
    return {};
}

Section intervals(std::string heading, const std::vector<exact::Interval>& list,
                  const std::string& none) {
    Section s{std::move(heading), {}};
    for (const exact::Interval& i : list)
        s.paragraphs.push_back(line({text("f ist " + intervalKind(i.kind)), interval(i)}));
    if (list.empty()) s.paragraphs.push_back(sentence(none));
    return s;
}

Section range(const Discussion& d) {
    Section s{"Wertebereich", {}};
    using Kind = exact::Bound::Kind;
    const exact::Bound& low = d.rangeLow;
    const exact::Bound& high = d.rangeHigh;
    if (low.kind == Kind::MinusInfinity && high.kind == Kind::PlusInfinity) {
        s.paragraphs.push_back(sentence("W = ℝ"));
    } else if (low.kind == Kind::Finite && high.kind == Kind::Finite) {
        s.paragraphs.push_back(line({text("W = {"), valueMath(low.value), text("}")}));
    } else if (low.kind == Kind::Finite) {
        s.paragraphs.push_back(line({text("W = ["), valueMath(low.value), text("; +∞[")}));
    } else {
        s.paragraphs.push_back(line({text("W = ]−∞; "), valueMath(high.value), text("]")}));
    }
    return s;
}

Section area(const Discussion& d) {
    Section s{"Fläche zwischen Graph und x‑Achse", {}};
    if (!d.area) {
        s.paragraphs.push_back(sentence(
            d.zeroPolynomial ? "Der Graph liegt auf der x‑Achse: Er schließt keine Fläche ein."
                             : "Weniger als zwei Nullstellen: Der Graph schließt mit der x‑Achse "
                               "keine Fläche ein."));
        return s;
    }
    // The way ends with the area.
    return s;
}

// The way to a section's results goes before them, as in a written solution.
Section withWay(Section s, std::vector<Paragraph> way) {
    s.paragraphs.insert(s.paragraphs.begin(), std::make_move_iterator(way.begin()),
                        std::make_move_iterator(way.end()));
    return s;
}

}  // namespace

Document discussionDocument(const Discussion& d, QuadraticFormula formula) {
    SolutionWay way = solutionWay(d, formula);
    Document document;
    document.title = line({text("Kurvendiskussion von "), function("f", d.f.polynomial)});
    document.sections.push_back(functions(d));
    document.sections.push_back({"Definitionsbereich", {sentence("D = ℝ")}});
    document.sections.push_back(withWay(symmetry(d), std::move(way.symmetry)));
    document.sections.push_back(withWay(infinity(d), std::move(way.infinity)));
    document.sections.push_back(yIntercept(d));
    document.sections.push_back(withWay(zeros(d), std::move(way.zeros)));
    document.sections.push_back(withWay(extremes(d), std::move(way.extremes)));
    document.sections.push_back(withWay(inflections(d), std::move(way.inflections)));
    document.sections.push_back(withWay(
        intervals("Monotonie", d.monotony, "f ist auf ganz ℝ konstant."), std::move(way.monotony)));
    document.sections.push_back(
        withWay(intervals("Krümmung", d.curvature, "Der Graph ist eine Gerade: keine Krümmung."),
                std::move(way.curvature)));
    document.sections.push_back(withWay(range(d), std::move(way.range)));
    document.sections.push_back(withWay(area(d), std::move(way.area)));
    return document;
}

Document unreadableDocument(const exact::ReadError& error, const std::string& text) {
    const std::string field = std::string("Der Koeffizient ") + "ABCDE"[error.field];
    std::string why;
    switch (error.why) {
        case exact::ReadError::Why::NotANumber:
            why = " ist keine Zahl: „" + text + "“.";
            break;
        case exact::ReadError::Why::TooLarge:
            why = " ist zu groß für die exakte Rechnung (höchstens 1000 Stellen vor dem Komma).";
            break;
        case exact::ReadError::Why::TooSmall:
            why =
                " ist zu nah an 0 für die exakte Rechnung (höchstens 1000 Nullen nach dem "
                "Komma).";
            break;
        case exact::ReadError::Why::TooManyDigits:
            why = " hat zu viele Ziffern für die exakte Rechnung (höchstens 2000).";
            break;
    }
    Document document;
    document.title = line({Math::text("Kurvendiskussion")});
    document.sections.push_back(
        {"Eingabe",
         {sentence(field + why), sentence("Korrigieren Sie das Feld: Die "
                                          "Kurvendiskussion folgt jeder Änderung.")}});
    return document;
}

}  // namespace doc
