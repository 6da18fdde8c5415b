#include "base/text_table.h"

#include <algorithm>

#include "base/html_text.h"

std::string TextTable::tabbed() const {
    std::string out;
    for (const Row& row : rows) {
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            if (i > 0) out += '\t';
            out += row.cells[i];
        }
        out += '\n';
    }
    return out;
}

std::string TextTable::html(const std::string& tableAttributes) const {
    std::size_t columns = 1;
    for (const Row& row : rows) columns = std::max(columns, row.cells.size());
    std::string out = "<table" + (tableAttributes.empty() ? "" : " " + tableAttributes) + ">\n";
    for (const Row& row : rows) {
        out += "<tr>";
        if (row.heading) {
            out += "<th colspan=\"" + std::to_string(columns) + "\" align=\"left\">" +
                   htmlEscaped(row.cells.front()) + "</th>";
        } else {
            for (const std::string& cell : row.cells) out += "<td>" + htmlEscaped(cell) + "</td>";
        }
        out += "</tr>\n";
    }
    return out + "</table>\n";
}
