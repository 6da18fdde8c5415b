#include "terms/normterm.h"

#include <vector>

namespace terms {
namespace {

const std::string kDigits = "0123456789";

// The 111 rules from their six groups, in their order. The letters are the initials of the
// functions; the two groups take them in orders of their own.
std::vector<Rule> makeRules() {
    std::vector<Rule> rules = {{"(PI)", "(3.14159265358979)"}, {"(E)", "(2.71828182845905)"}};
    for (char d : kDigits) rules.push_back({{d, '('}, {d, '*', '('}});
    for (char d : kDigits) rules.push_back({{')', d}, {')', '*', d}});
    rules.push_back({")(", ")*("});
    for (char initial : std::string("ACEFISTL"))
        rules.push_back({{')', initial}, {')', '*', initial}});
    for (char initial : std::string("ACEFILST"))
        for (char d : kDigits) rules.push_back({{d, initial}, {d, '*', initial}});
    return rules;
}

const std::vector<Rule>& rules() {
    static const std::vector<Rule> all = makeRules();
    return all;
}

std::string applyRules(std::string_view term, std::size_t count) {
    std::string text(term);
    for (std::size_t i = 0; i < count; ++i) {
        const Rule& rule = rules()[i];
        if (text.find(rule.from) != std::string::npos) text = replaceAll(text, rule.from, rule.to);
    }
    return text;
}

}  // namespace

std::span<const Rule> normRules() { return rules(); }

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        std::size_t hit = from.empty() ? std::string_view::npos : text.find(from, pos);
        if (hit == std::string_view::npos) break;
        out.append(text, pos, hit - pos);
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text, pos);
    return out;
}

std::string NormTerm(std::string_view term) { return applyRules(term, rules().size()); }

std::string NormTermRechner(std::string_view term) { return applyRules(term, kCalculatorRules); }

}  // namespace terms
