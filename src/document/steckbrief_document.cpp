#include "document/steckbrief_document.h"

#include <algorithm>
#include <sstream>

#include "document/school_notation.h"
#include "document/way_numbers.h"
#include "steckbrief/school_number.h"

namespace doc {
namespace {

using exact::Rational;
using steckbrief::Condition;
using steckbrief::Equation;
using steckbrief::Solution;
using namespace way;

// The unknown of x^power in a polynomial of the degree: a for the highest power, then b, c, …
std::string letter(int power, int degree) { return std::string(1, char('a' + degree - power)); }

Math xPower(int k) {
    return k == 0 ? text("") : k == 1 ? text("x") : Math::power(text("x"), text(std::to_string(k)));
}

// f, f′, … of the general polynomial: "3ax² + 2bx + c".
Math ansatz(int degree, int order) {
    std::vector<Math> items;
    for (int k = degree; k >= order; --k) {
        long factor = 1;
        for (int j = 0; j < order; ++j) factor *= k - j;
        if (!items.empty()) items.push_back(text(" + "));
        items.push_back(text((factor == 1 ? "" : std::to_string(factor)) + letter(k, degree)));
        items.push_back(xPower(k - order));
    }
    return Math::row(std::move(items));
}

// "27a + 9b + 3c + d = 0", each unknown once, zeros left out.
Math equationMath(const Equation& e, int degree) {
    std::vector<Math> items;
    for (int k = degree; k >= 0; --k) {
        const Rational& f = e.factors[static_cast<std::size_t>(k)];
        if (f.isZero()) continue;
        const bool negative = f.sign() < 0;
        items.push_back(text(items.empty() ? (negative ? "−" : "") : (negative ? " − " : " + ")));
        const Rational size = negative ? -f : f;
        if (!(size == Rational(1))) items.push_back(number(size));
        items.push_back(text(letter(k, degree)));
    }
    if (items.empty()) items.push_back(text("0"));
    items.push_back(text(" = "));
    items.push_back(number(e.rhs));
    return Math::row(std::move(items));
}

Paragraph row(std::size_t i, const Equation& e, int degree) {
    return line({text(steckbrief::roman(i + 1) + ": "), equationMath(e, degree)});
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

int derivativeOf(const Condition& c) {
    switch (c.kind) {
        case Condition::Kind::Value:
            return c.derivative;
        case Condition::Kind::Maximum:
        case Condition::Kind::Minimum:
        case Condition::Kind::Extremum:
        case Condition::Kind::Tangent:
            return 1;
        case Condition::Kind::Inflection:
        case Condition::Kind::Saddle:
            return 2;
        case Condition::Kind::Point:
        case Condition::Kind::Zero:
        case Condition::Kind::EvenSymmetry:
        case Condition::Kind::OddSymmetry:
            return 0;
    }
    return 0;
}

Section ansatzSection(const steckbrief::Answer& a) {
    // The highest derivative the conditions speak of.
    int order = 0;
    for (const Condition& c : a.reading.conditions) order = std::max(order, derivativeOf(c));
    static const char* const names[] = {"f(x) = ", "f′(x) = ", "f″(x) = ", "f‴(x) = "};
    Section s{"Ansatz", {}};
    s.paragraphs.push_back(sentence("Gesucht ist eine ganzrationale Funktion " +
                                    std::to_string(a.degree) + ". Grades:"));
    for (int j = 0; j <= order; ++j)
        s.paragraphs.push_back(line({text(names[j]), ansatz(a.degree, j)}));
    return s;
}

Section conditionsSection(const steckbrief::Answer& a, const std::vector<std::string>& lines) {
    Section s{"Bedingungen", {}};
    for (const Condition& c : a.reading.conditions) {
        std::vector<Math> items{text(trimmed(lines[static_cast<std::size_t>(c.line - 1)]) + " ⇒ ")};
        bool first = true;
        for (const Equation& e : a.equations)
            if (e.line == c.line) {
                items.push_back(text((first ? "" : ", ") + e.origin));
                first = false;
            }
        s.paragraphs.push_back(line(std::move(items)));
    }
    s.paragraphs.push_back(sentence("Das lineare Gleichungssystem:"));
    for (std::size_t i = 0; i < a.equations.size(); ++i)
        s.paragraphs.push_back(row(i, a.equations[i], a.degree));
    return s;
}

Section gaussSection(const steckbrief::Answer& a) {
    Section s{"Gauß-Verfahren", {}};
    const Solution& solution = *a.solution;
    for (const steckbrief::Step& step : solution.steps) {
        std::vector<Math> items{text(step.operation + " ⇒ ")};
        for (const auto& [i, equation] : step.rows) {
            if (items.size() > 1) items.push_back(text(";  "));
            items.push_back(text(steckbrief::roman(i + 1) + ": "));
            items.push_back(equationMath(equation, a.degree));
        }
        s.paragraphs.push_back(line(std::move(items)));
    }
    if (solution.steps.empty())
        s.paragraphs.push_back(sentence("Das System hat schon Stufenform."));
    else
        s.paragraphs.push_back(sentence("Stufenform:"));
    for (std::size_t i = 0; i < solution.stufenform.size(); ++i)
        s.paragraphs.push_back(row(i, solution.stufenform[i], a.degree));
    return s;
}

Section solutionSection(const steckbrief::Answer& a) {
    Section s{"Lösung", {}};
    const Solution& solution = *a.solution;
    if (solution.outcome == Solution::Outcome::Inconsistent) {
        const auto& rows = solution.stufenform;
        const auto contradiction = std::find_if(rows.begin(), rows.end(), [](const Equation& e) {
            return !e.rhs.isZero() && std::all_of(e.factors.begin(), e.factors.end(),
                                                  [](const Rational& f) { return f.isZero(); });
        });
        const auto row = static_cast<std::size_t>(contradiction - rows.begin());
        s.paragraphs.push_back(
            line({text("Gleichung " + steckbrief::roman(row + 1) + " der Stufenform lautet 0 = "),
                  number(contradiction->rhs),
                  text(": Die Bedingungen widersprechen sich, es gibt keine solche Funktion.")}));
        return s;
    }
    if (solution.outcome == Solution::Outcome::Underdetermined) {
        const int k = solution.missing;
        s.paragraphs.push_back(
            sentence("Die Bedingungen legen die Funktion nicht eindeutig fest: Es " +
                     std::string(k == 1 ? "fehlt eine Bedingung."
                                        : "fehlen " + std::to_string(k) + " Bedingungen.")));
        return s;
    }
    std::vector<Math> values;
    for (int k = a.degree; k >= 0; --k) {
        if (!values.empty()) values.push_back(text(", "));
        values.push_back(text(letter(k, a.degree) + " = "));
        values.push_back(number(solution.byPower[static_cast<std::size_t>(k)]));
    }
    s.paragraphs.push_back(line(std::move(values)));
    exact::Polynomial f{solution.byPower};
    while (!f.coefficients.empty() && f.coefficients.back().isZero()) f.coefficients.pop_back();
    s.paragraphs.push_back(line({text("f(x) = "), schoolMath(f)}));
    if (solution.lowerDegree)
        s.paragraphs.push_back(
            sentence("Der Koeffizient a ist 0: Die Funktion hat einen "
                     "niedrigeren Grad als " +
                     std::to_string(a.degree) + "."));
    return s;
}

Section probeSection(const steckbrief::Answer& a, const std::vector<std::string>& lines) {
    Section s{"Probe", {}};
    for (const steckbrief::Check& c : a.checks) {
        const std::string what = trimmed(lines[static_cast<std::size_t>(c.line - 1)]);
        s.paragraphs.push_back(
            sentence(c.ok ? what + ": erfüllt." : what + ": nicht erfüllt. " + c.reason));
    }
    if (std::any_of(a.checks.begin(), a.checks.end(), [](const auto& c) { return !c.ok; }))
        s.paragraphs.push_back(sentence(
            "Die Funktion erfüllt die Gleichungen, aber nicht alle Bedingungen: Es gibt keine "
            "Funktion " +
            std::to_string(a.degree) + ". Grades mit diesen Eigenschaften."));
    return s;
}

}  // namespace

Document steckbriefDocument(const steckbrief::Answer& a, const std::string& conditions) {
    Document d;
    d.title = sentence("Steckbrief");
    const std::vector<std::string> lines = linesOf(conditions);
    if (a.reading.unreadableLine) {
        const auto n = static_cast<std::size_t>(*a.reading.unreadableLine);
        d.sections.push_back(
            {"Eingabe",
             {sentence("Zeile " + std::to_string(n) + " kann nicht gelesen werden: „" +
                       (n <= lines.size() ? trimmed(lines[n - 1]) : "") + "“."),
              sentence("Jede Zeile ist eine Bedingung, etwa f(2) = 1, f′(0) = 0, P(1|2), N(3), "
                       "H(1|4), T(3|0), E(0|1), W(2|2), S(0|0), t(1): y = 2x − 1, "
                       "achsensymmetrisch oder punktsymmetrisch.")}});
        return d;
    }
    if (a.reading.conditions.empty()) {
        d.sections.push_back(
            {"Eingabe",
             {sentence("Schreiben Sie eine Bedingung je Zeile und wählen Sie „Lösen“.")}});
        return d;
    }
    d.sections.push_back(ansatzSection(a));
    d.sections.push_back(conditionsSection(a, lines));
    d.sections.push_back(gaussSection(a));
    d.sections.push_back(solutionSection(a));
    if (a.unique()) d.sections.push_back(probeSection(a, lines));
    return d;
}

}  // namespace doc
