#include "plot/value_table.h"

#include <cmath>

#include "base/failure.h"
#include "base/numtext.h"
#include "plot/curves.h"

namespace plot {

std::string failureWord(int number) {
    switch (number) {
        case failure::InvalidArgument:
            return "nicht definiert";
        case failure::Overflow:
            return "Überlauf";
        case failure::DivisionByZero:
            return "Division durch 0";
        default:
            return "Fehler";
    }
}

ValueTable valueTable(const std::string& start, const std::string& end, const std::string& step,
                      const std::vector<TermColumn>& columns) {
    const double from = numtext::parse(start), to = numtext::parse(end);
    const double by = numtext::parse(step);
    ValueTable t;
    t.headings.push_back("x");
    for (const TermColumn& c : columns) t.headings.push_back(c.heading);
    // Counted from the start, so that a long table does not drift as added steps would.
    const double count = std::floor((to - from) / by * (1 + 1e-12)) + 1;
    if (!(by > 0) || !(count >= 1)) return t;
    if (count > kMaxValueRows) {
        t.tooMany = true;
        return t;
    }
    t.rows = static_cast<int>(count);
    std::vector<double> xs(static_cast<std::size_t>(t.rows));
    for (int i = 0; i < t.rows; ++i) xs[i] = from + i * by;
    t.cells.assign(xs.size(), {});
    for (std::size_t i = 0; i < xs.size(); ++i) t.cells[i].push_back(numtext::format(xs[i]));
    std::vector<terms::Sample> values(xs.size());
    for (const TermColumn& c : columns) {
        compileCurveTerm(c.term, c.normalised).sampleAll(xs, values);
        for (std::size_t i = 0; i < xs.size(); ++i) {
            const terms::Sample& v = values[i];
            t.cells[i].push_back(v.failure != 0           ? failureWord(v.failure)
                                 : std::isfinite(v.value) ? numtext::formatFixed(v.value, 4)
                                                          : failureWord(failure::Overflow));
        }
    }
    return t;
}

TextTable ValueTable::asText() const {
    TextTable table;
    table.add(headings);
    for (const auto& row : cells) table.add(row);
    return table;
}

}  // namespace plot
