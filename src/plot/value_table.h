#pragma once

#include <string>
#include <vector>

#include "base/text_table.h"

// The value table: the terms of the function fields at x from a start to an end in steps, each
// value as the curve samples it (x rounded to 15 digits, y's term as it stands, the others
// normalised first) and written as the result fields write numbers.
namespace plot {

struct TermColumn {
    std::string heading;  // "y", "y'", ..
    std::string term;     // the field's text in upper case
    bool normalised;      // normalised first, as the curves y' .. y''' and HG are
};

inline constexpr int kMaxValueRows = 10001;

struct ValueTable {
    int rows = 0;                                 // 0 also for a step that does not advance
    bool tooMany = false;                         // more than kMaxValueRows rows: none computed
    std::vector<std::string> headings;            // "x", then the columns'
    std::vector<std::vector<std::string>> cells;  // a row each: x, then a value or its failure

    TextTable asText() const;
};

// A short German word for the failure of a value: "nicht definiert" (5), "Überlauf" (6),
// "Division durch 0" (11), "Fehler" for any other.
std::string failureWord(int number);

// Throws Failure for a start, end or step that is not a number.
ValueTable valueTable(const std::string& start, const std::string& end, const std::string& step,
                      const std::vector<TermColumn>& columns);

}  // namespace plot
