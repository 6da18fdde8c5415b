#include "analysis/results_table.h"

#include <algorithm>

namespace analysis {
namespace {

struct Group {
    const char* heading;
    int firstRow, rows;  // rows of the panel, counted from P01
    const char* prefix;
    int firstNumber;
};

// The rows in the order of kResultFields: P01..P04, PE1..PE3, PW1, PW2, PY.
constexpr Group kGroups[] = {{"Nullstellen", 0, 4, "P0", 1},
                             {"Extremwerte", 4, 3, "PE", 1},
                             {"Wendepunkte", 7, 2, "PW", 1},
                             {"Schnittpunkt mit der Y-Achse", 9, 1, "PY", 0}};

constexpr const char* kTermNames[] = {"y", "y'", "y''", "y'''", "HG"};

}  // namespace

bool hasResults(const ShownResults& shown) {
    return std::any_of(shown.fields.begin(), shown.fields.end(),
                       [](const std::string& f) { return !f.empty(); });
}

TextTable resultsTable(const ShownResults& shown, bool withTerms) {
    TextTable table;
    for (int i = 0; i < 5 && withTerms; ++i)
        if (!shown.terms[i].empty()) table.add({kTermNames[i], shown.terms[i]});
    for (const Group& g : kGroups) {
        bool headed = false;
        for (int r = g.firstRow; r < g.firstRow + g.rows; ++r) {
            const std::string& x = shown.fields[2 * r];
            const std::string& y = shown.fields[2 * r + 1];
            if (x.empty() && y.empty()) continue;
            if (!headed) table.heading(g.heading);
            headed = true;
            std::string name = g.prefix;
            if (g.firstNumber > 0) name += std::to_string(g.firstNumber + r - g.firstRow);
            std::vector<std::string> cells = {name, x, y};
            if (g.firstRow == 4) cells.push_back(shown.kinds[r - 4]);
            table.add(cells);
        }
    }
    return table;
}

}  // namespace analysis
