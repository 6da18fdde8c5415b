#include "analysis/results_table.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace analysis {
namespace {

// The heading and row names of each group of kPanelGroups, in its order.
struct Naming {
    const char* heading;
    const char* prefix;
    int firstNumber;
};

constexpr Naming kNamings[] = {{"Nullstellen", "P0", 1},
                               {"Extremwerte", "PE", 1},
                               {"Wendepunkte", "PW", 1},
                               {"Schnittpunkt mit der Y-Achse", "PY", 0}};
static_assert(std::size(kNamings) == std::size(kPanelGroups));

// The names of the function fields, in the order of kFunctionFields.
constexpr const char* kTermNames[] = {"y", "y'", "y''", "y'''", "HG"};
static_assert(std::size(kTermNames) == kFunctionFields.size());

// The place of f in one of the tables, or none.
template <std::size_t N>
std::optional<std::size_t> indexIn(const std::array<Field, N>& table, Field f) {
    const auto at = std::find(table.begin(), table.end(), f);
    if (at == table.end()) return std::nullopt;
    return static_cast<std::size_t>(at - table.begin());
}

}  // namespace

void ShownResults::show(Field f, std::string_view text) {
    if (const auto i = indexIn(kFunctionFields, f)) terms[*i] = text;
    if (const auto i = indexIn(kResultFields, f)) fields[*i] = text;
    if (const auto i = indexIn(kKindLabels, f)) kinds[*i] = text;
}

const std::string& ShownResults::text(Field f) const {
    if (const auto i = indexIn(kFunctionFields, f)) return terms[*i];
    if (const auto i = indexIn(kResultFields, f)) return fields[*i].text();
    return kinds[indexIn(kKindLabels, f).value()];
}

bool hasResults(const ShownResults& shown) {
    return std::any_of(shown.fields.begin(), shown.fields.end(),
                       [](const numtext::FieldValue& f) { return !f.isEmpty(); });
}

TextTable resultsTable(const ShownResults& shown, bool withTerms) {
    TextTable table;
    for (std::size_t i = 0; i < shown.terms.size() && withTerms; ++i)
        if (!shown.terms[i].empty()) table.add({kTermNames[i], shown.terms[i]});
    for (std::size_t i = 0; i < std::size(kPanelGroups); ++i) {
        const PanelGroup& g = kPanelGroups[i];
        const Naming& n = kNamings[i];
        bool headed = false;
        for (int r = g.firstRow; r < g.firstRow + g.rows; ++r) {
            const std::string& x = shown.fields[2 * r].text();
            const std::string& y = shown.fields[2 * r + 1].text();
            if (x.empty() && y.empty()) continue;
            if (!headed) table.heading(n.heading);
            headed = true;
            std::string name = n.prefix;
            if (n.firstNumber > 0) name += std::to_string(n.firstNumber + r - g.firstRow);
            std::vector<std::string> cells = {name, x, y};
            if (g.kind == PointKind::Extreme) cells.push_back(shown.kinds[r - g.firstRow]);
            table.add(cells);
        }
    }
    return table;
}

}  // namespace analysis
