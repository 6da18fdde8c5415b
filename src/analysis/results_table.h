#pragma once

#include <array>
#include <string>

#include "base/text_table.h"

// The function terms and the result panel as a table, for the clipboard and the printed page.
namespace analysis {

// What the window shows: the function fields and the result panel's fields and labels.
struct ShownResults {
    std::array<std::string, 5> terms;    // y, y', y'', y''', HG
    std::array<std::string, 20> fields;  // P01X, P01Y, .. PYX, PYY
    std::array<std::string, 3> kinds;    // lblMMPE1 .. lblMMPE3
};

// The kinds of point in the result panel, and the panel's rows of each kind, counted from P01 in
// the order of ShownResults::fields: P01..P04, PE1..PE3, PW1, PW2, PY.
enum class PointKind { Zero, Extreme, Inflection, Intercept };

struct PanelGroup {
    PointKind kind;
    int firstRow, rows;
};

inline constexpr PanelGroup kPanelGroups[] = {{PointKind::Zero, 0, 4},
                                              {PointKind::Extreme, 4, 3},
                                              {PointKind::Inflection, 7, 2},
                                              {PointKind::Intercept, 9, 1}};

// Whether an analysis has left anything in the result panel.
bool hasResults(const ShownResults& shown);

// The terms that stand in their fields (unless left out), then under the panel's headings every
// row that is not empty: its name, x, y and, for an extreme point, min or max.
TextTable resultsTable(const ShownResults& shown, bool withTerms = true);

}  // namespace analysis
