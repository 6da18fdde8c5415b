#include "base/text_table.h"

#include <algorithm>

namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

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
                   escaped(row.cells.front()) + "</th>";
        } else {
            for (const std::string& cell : row.cells) out += "<td>" + escaped(cell) + "</td>";
        }
        out += "</tr>\n";
    }
    return out + "</table>\n";
}
