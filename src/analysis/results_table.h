#pragma once

#include <array>
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

#include "analysis/result_panel.h"
#include "base/field_value.h"
#include "base/text_table.h"

// The function terms and the result panel as a table, for the clipboard and the printed page.
namespace analysis {

// What the window shows: the function fields, the result panel's fields, each with its value,
// and its labels.
struct ShownResults {
    std::array<std::string, kFunctionFields.size()> terms;         // y, y', y'', y''', HG
    std::array<numtext::FieldValue, kResultFields.size()> fields;  // P01X, P01Y, .. PYX, PYY
    std::array<std::string, kKindLabels.size()> kinds;             // lblMMPE1 .. lblMMPE3

    // Field f now shows text.
    void show(Field f, std::string_view text);
    // What field f shows.
    const std::string& text(Field f) const;
};

// The kinds of point in the result panel, and the panel's rows of each kind, counted from P01 in
// the order of ShownResults::fields: P01..P04, PE1..PE3, PW1, PW2, PY.
enum class PointKind { Zero, Extreme, Inflection, Intercept };

struct PanelGroup {
    PointKind kind;
    int firstRow, rows;
};

inline constexpr auto kPanelGroups = [] {
    constexpr std::pair<PointKind, std::size_t> kinds[] = {
        {PointKind::Zero, kZeroRows.size()},
        {PointKind::Extreme, kExtremeRows.size()},
        {PointKind::Inflection, kInflectionRows.size()},
        {PointKind::Intercept, 1},  // kInterceptRow
    };
    std::array<PanelGroup, std::size(kinds)> groups{};
    int row = 0;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const int rows = static_cast<int>(kinds[i].second);
        groups[i] = {kinds[i].first, row, rows};
        row += rows;
    }
    return groups;
}();
static_assert(kPanelGroups.back().firstRow + kPanelGroups.back().rows == std::ssize(kRows));

// Whether an analysis has left anything in the result panel.
bool hasResults(const ShownResults& shown);

// The terms that stand in their fields (unless left out), then under the panel's headings every
// row that is not empty: its name, x, y and, for an extreme point, min or max.
TextTable resultsTable(const ShownResults& shown, bool withTerms = true);

}  // namespace analysis
