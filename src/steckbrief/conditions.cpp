#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>

#include "exact/coefficients.h"
#include "steckbrief/steckbrief.h"

namespace steckbrief {
namespace {

using Kind = Condition::Kind;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// What students type besides ASCII, as the ASCII the reader knows; blanks of any kind go, since
// they matter nowhere.
std::string normalized(std::string_view line) {
    static const std::pair<std::string_view, std::string_view> kReplacements[] = {
        {" ", ""},      {"\t", ""},     {"\r", ""}, {"\v", ""}, {"\f", ""}, {"\u00a0", ""},
        {"\u2009", ""}, {"\u202f", ""}, {"−", "-"}, {"–", "-"}, {"′", "'"}, {"’", "'"},
        {"″", "''"},    {"‴", "'''"},   {"·", "*"}, {"⋅", "*"}, {"∣", "|"}};
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        const std::string_view rest = line.substr(i);
        // Subscript digits of an index, H₁: U+2080..U+2089 are E2 82 80..89.
        const auto last = rest.size() >= 3 ? static_cast<unsigned char>(rest[2]) : 0;
        if (rest.starts_with("\xe2\x82") && last >= 0x80 && last <= 0x89) {
            out += static_cast<char>('0' + (last - 0x80));
            i += 3;
            continue;
        }
        bool replaced = false;
        for (const auto& [from, to] : kReplacements) {
            if (rest.starts_with(from)) {
                out += to;
                i += from.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) out += line[i++];
    }
    return out;
}

bool eat(std::string_view& s, std::string_view word) {
    if (!s.starts_with(word)) return false;
    s.remove_prefix(word.size());
    return true;
}

// A German decimal at the front of s; readCoefficient reads it and bounds its size.
std::optional<Rational> decimal(std::string_view& s, bool withSign) {
    std::size_t n = 0;
    if (withSign && n < s.size() && (s[n] == '+' || s[n] == '-')) ++n;
    const std::size_t first = n;
    while (n < s.size() && (isDigit(s[n]) || s[n] == ',' || s[n] == '.')) ++n;
    if (n == first) return std::nullopt;  // readCoefficient would take "" as 0
    if (n < s.size() && (s[n] == 'e' || s[n] == 'E')) {
        std::size_t e = n + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
        if (e < s.size() && isDigit(s[e])) {
            n = e;
            while (n < s.size() && isDigit(s[n])) ++n;
        }
    }
    auto value = exact::readCoefficient(std::string(s.substr(0, n)));
    if (!std::holds_alternative<Rational>(value)) return std::nullopt;
    s.remove_prefix(n);
    return std::get<Rational>(std::move(value));
}

// A decimal, or a fraction of two: "-1,5", "2/3", "-7/4".
std::optional<Rational> number(std::string_view& s, bool withSign = true) {
    auto value = decimal(s, withSign);
    if (!value || !eat(s, "/")) return value;
    const auto below = decimal(s, false);
    if (!below || below->isZero()) return std::nullopt;
    return *value / *below;
}

std::optional<Rational> argument(std::string_view& s) {
    if (!eat(s, "(")) return std::nullopt;
    auto x = number(s);
    if (!x || !eat(s, ")")) return std::nullopt;
    return x;
}

std::string index(std::string_view& s) {
    std::string digits;
    while (!s.empty() && isDigit(s.front())) {
        digits += s.front();
        s.remove_prefix(1);
    }
    return digits;
}

std::optional<Kind> symmetry(std::string_view s) {
    std::string word;
    for (char c : s) word += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (word.ends_with('.')) word.pop_back();
    if (word == "achsensymmetrisch" || word == "achsensymmetrischzury-achse")
        return Kind::EvenSymmetry;
    if (word == "punktsymmetrisch" || word == "punktsymmetrischzumursprung")
        return Kind::OddSymmetry;
    return std::nullopt;
}

// "f''(2) = -1"
std::optional<Condition> value(std::string_view s) {
    Condition c;
    c.name = "f";
    while (eat(s, "'")) c.name += '\'';
    c.derivative = static_cast<int>(c.name.size()) - 1;
    const auto x = argument(s);
    if (c.derivative > 3 || !x || !eat(s, "=")) return std::nullopt;
    const auto y = number(s);
    if (!y || !s.empty()) return std::nullopt;
    c.x = *x;
    c.y = *y;
    return c;
}

// The right side of a tangent's equation, m·x + b with its terms in any order: "3x - 1",
// "-x + 3", "5", "1/2*x".
std::optional<std::pair<Rational, Rational>> linear(std::string_view s) {
    Rational m, b;
    for (bool first = true; first || !s.empty(); first = false) {
        const bool minus = eat(s, "-");
        if (!minus && !eat(s, "+") && !first) return std::nullopt;
        Rational factor = 1;
        const bool written = !s.empty() && (isDigit(s.front()) || s.front() == ',');
        if (written) {
            const auto n = number(s, false);
            if (!n) return std::nullopt;
            factor = *n;
        }
        const bool times = written && eat(s, "*");
        const bool ofX = eat(s, "x");
        if ((!written && !ofX) || (times && !ofX)) return std::nullopt;
        Rational& term = ofX ? m : b;
        term = minus ? term - factor : term + factor;
    }
    return std::pair{m, b};
}

// "t(2): y = 3x - 1"
std::optional<Condition> tangent(std::string_view s) {
    Condition c;
    c.kind = Kind::Tangent;
    c.name = "t" + index(s);
    const auto x = argument(s);
    if (!x || !eat(s, ":") || !eat(s, "y=")) return std::nullopt;
    const auto line = linear(s);
    if (!line) return std::nullopt;
    c.x = *x;
    c.y = line->first;
    c.intercept = line->second;
    return c;
}

// "H1(1|4)", "P(2;-1)", "N(3)"; a zero may be written as a point on the x-axis, N(3|0).
std::optional<Condition> point(std::string_view s) {
    static const std::pair<char, Kind> kLetters[] = {
        {'P', Kind::Point},    {'N', Kind::Zero},       {'H', Kind::Maximum}, {'T', Kind::Minimum},
        {'E', Kind::Extremum}, {'W', Kind::Inflection}, {'S', Kind::Saddle}};
    const auto* found = std::find_if(std::begin(kLetters), std::end(kLetters),
                                     [&](const auto& l) { return s.starts_with(l.first); });
    if (found == std::end(kLetters)) return std::nullopt;
    s.remove_prefix(1);
    Condition c;
    c.kind = found->second;
    c.name = found->first + index(s);
    if (!eat(s, "(")) return std::nullopt;
    const auto x = number(s);
    if (!x) return std::nullopt;
    c.x = *x;
    if (eat(s, "|") || eat(s, ";")) {
        const auto y = number(s);
        if (!y || (c.kind == Kind::Zero && !y->isZero())) return std::nullopt;
        c.y = *y;
    } else if (c.kind != Kind::Zero) {
        return std::nullopt;
    }
    if (!eat(s, ")") || !s.empty()) return std::nullopt;
    return c;
}

std::optional<Condition> condition(std::string_view s) {
    if (const auto kind = symmetry(s)) {
        Condition c;
        c.kind = *kind;
        return c;
    }
    if (eat(s, "f")) return value(s);
    if (eat(s, "t")) return tangent(s);
    return point(s);
}

}  // namespace

Reading readConditions(const std::string& text) {
    Reading reading;
    int line = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string s = normalized(std::string_view(text).substr(start, end - start));
        start = end + 1;
        ++line;
        if (s.empty()) continue;
        auto c = condition(s);
        if (!c) return {{}, line};
        c->line = line;
        reading.conditions.push_back(std::move(*c));
    }
    return reading;
}

}  // namespace steckbrief
