#include "terms/normterm.h"

#include <vector>

#include "terms/functions.h"

namespace terms {
namespace {

const std::string kDigits = "0123456789";

struct RuleTable {
    std::vector<Rule> all;
    std::size_t calculator = 0;  // how many of them, from the first, the calculator applies
};

// The rules in their six groups, in their order. Within a group the order changes nothing: no
// rule makes or breaks a match of another rule of its group.
RuleTable makeRules() {
    RuleTable table;
    std::vector<Rule>& rules = table.all;
    for (const TermConstant& c : kConstants)
        rules.push_back({"(" + std::string(c.name) + ")", "(" + std::string(c.digits) + ")"});
    for (char d : kDigits) rules.push_back({{d, '('}, {d, '*', '('}});
    for (char d : kDigits) rules.push_back({{')', d}, {')', '*', d}});
    rules.push_back({")(", ")*("});
    for (char initial : kFunctionInitials) rules.push_back({{')', initial}, {')', '*', initial}});
    // A digit before a function is no product for the calculator: it keeps 2E3 whole.
    table.calculator = rules.size();
    for (char initial : kFunctionInitials)
        for (char d : kDigits) rules.push_back({{d, initial}, {d, '*', initial}});
    return table;
}

const RuleTable& rules() {
    static const RuleTable table = makeRules();
    return table;
}

std::string applyRules(std::string_view term, std::size_t count) {
    std::string text(term);
    for (std::size_t i = 0; i < count; ++i) {
        const Rule& rule = rules().all[i];
        if (text.find(rule.from) != std::string::npos) text = replaceAll(text, rule.from, rule.to);
    }
    return text;
}

}  // namespace

std::span<const Rule> normRules() { return rules().all; }

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

std::string NormTerm(std::string_view term) { return applyRules(term, rules().all.size()); }

std::string NormTermRechner(std::string_view term) { return applyRules(term, rules().calculator); }

}  // namespace terms
