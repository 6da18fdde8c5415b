#include "steckbrief/answer.h"

#include <cstdio>

namespace steckbrief {

std::vector<Rational> Answer::coefficientsAtoE() const {
    std::vector<Rational> a(5);
    if (!unique()) return a;
    for (std::size_t k = 0; k < solution->byPower.size() && k < 5; ++k)
        a[4 - k] = solution->byPower[k];
    return a;
}

Answer answer(const std::string& conditions, int degree) {
    Answer a;
    a.degree = degree;
    a.reading = readConditions(conditions);
    if (a.reading.unreadableLine) return a;
    a.equations = equationsOf(a.reading.conditions, degree);
    a.solution = solve(a.equations, degree);
    if (a.unique()) a.checks = check(a.reading.conditions, a.solution->byPower);
    return a;
}

std::string resultText(const Answer& a) {
    if (a.reading.unreadableLine) return "unreadable " + std::to_string(*a.reading.unreadableLine);
    switch (a.solution->outcome) {
        case Solution::Outcome::Inconsistent:
            return "inconsistent";
        case Solution::Outcome::Underdetermined:
            return "underdetermined " + std::to_string(a.solution->missing);
        case Solution::Outcome::Unique:
            break;
    }
    std::string text;
    for (const Rational& c : a.coefficientsAtoE()) text += (text.empty() ? "" : " ") + c.text();
    return text;
}

std::string checkText(const Answer& a) {
    std::string text;
    for (const Check& c : a.checks)
        text += (text.empty() ? "" : "\n") + std::to_string(c.line) + (c.ok ? " ok" : " fails");
    return text;
}

std::string fieldText(const Rational& value) {
    // value · 10^k is an integer for some k exactly when the decimal ends; denominators that
    // large do not come from conditions a person types.
    Rational scaled = value;
    for (int k = 0; k <= 60; ++k, scaled = scaled * Rational(10)) {
        if (!scaled.isInteger()) continue;
        std::string digits = scaled.numerator();
        const bool negative = digits[0] == '-';
        if (negative) digits.erase(0, 1);
        if (static_cast<int>(digits.size()) <= k)
            digits.insert(0, static_cast<std::size_t>(k) + 1 - digits.size(), '0');
        if (k > 0) digits.insert(digits.size() - static_cast<std::size_t>(k), ",");
        return (negative ? "-" : "") + digits;
    }
    char text[40];
    std::snprintf(text, sizeof text, "%.15G", value.toDouble());
    std::string german = text;
    for (char& c : german)
        if (c == '.') c = ',';
    return german;
}

}  // namespace steckbrief
