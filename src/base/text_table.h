#pragma once

#include <string>
#include <vector>

// A table of texts as it goes onto the clipboard and the printed page: plain text with tabs
// (pasted into a spreadsheet cell by cell) and an HTML table (pasted into a word processor).
struct TextTable {
    struct Row {
        std::vector<std::string> cells;
        bool heading = false;  // a heading over the rows that follow, in its first cell
    };
    std::vector<Row> rows;

    void add(std::vector<std::string> cells) { rows.push_back({std::move(cells), false}); }
    void heading(std::string text) { rows.push_back({{std::move(text)}, true}); }
    bool empty() const { return rows.empty(); }

    // Cells joined by tabs, rows by line breaks.
    std::string tabbed() const;
    // A <table> with the attributes given, headings as <th> over the widest row, every text
    // escaped.
    std::string html(const std::string& tableAttributes = "") const;
};
