#include "analysis/results_table.h"

#include <gtest/gtest.h>

using namespace analysis;

TEST(ResultsTable, TermsAndTheRowsThatHoldSomethingUnderTheirHeadings) {
    ShownResults shown;
    EXPECT_FALSE(hasResults(shown));
    shown.terms = {"+1*(X)^3-3*(X)^2", "+3*(X)^2-6*(X)", "", "", ""};
    EXPECT_FALSE(hasResults(shown));                          // terms alone are no analysis
    shown.fields[0] = "3", shown.fields[1] = "0";             // P01
    shown.fields[8] = "2,0000", shown.fields[9] = "-4,0000";  // PE1
    shown.kinds[0] = "min";
    shown.fields[18] = "0", shown.fields[19] = "0";  // PY
    EXPECT_TRUE(hasResults(shown));
    EXPECT_EQ(resultsTable(shown).tabbed(),
              "y\t+1*(X)^3-3*(X)^2\ny'\t+3*(X)^2-6*(X)\n"
              "Nullstellen\nP01\t3\t0\n"
              "Extremwerte\nPE1\t2,0000\t-4,0000\tmin\n"
              "Schnittpunkt mit der Y-Achse\nPY\t0\t0\n");
    EXPECT_EQ(resultsTable(shown, false).rows.front().cells.front(), "Nullstellen");
    // A "#" at P01 is shown as it stands.
    shown.fields[0] = "#", shown.fields[1] = "";
    EXPECT_EQ(resultsTable(shown, false).rows[1].cells, (std::vector<std::string>{"P01", "#", ""}));
}

// Each field the run or the user writes lands in its own place of what is shown, a result with
// its value, and reads back as it was written.
TEST(ResultsTable, EachFieldShownInItsPlace) {
    ShownResults shown;
    shown.show(Field::Hilfsgleichung, "+1*(X)^3");
    shown.show(Field::PE2X, "-1,5000");
    shown.show(Field::PE2Y, "#");
    shown.show(Field::MMPE2, "max");
    shown.show(Field::PYY, "1E-05");
    EXPECT_EQ(shown.terms[4], "+1*(X)^3");
    EXPECT_EQ(shown.fields[10].number(), -1.5);  // PE2X: the panel's fifth row
    EXPECT_FALSE(shown.fields[11].isNumber());
    EXPECT_EQ(shown.kinds[1], "max");
    EXPECT_EQ(shown.fields[19].number(), 1e-5);
    for (const auto& [field, text] : {std::pair{Field::Hilfsgleichung, "+1*(X)^3"},
                                      {Field::PE2X, "-1,5000"},
                                      {Field::PE2Y, "#"},
                                      {Field::MMPE2, "max"},
                                      {Field::PYY, "1E-05"},
                                      {Field::P01X, ""}})
        EXPECT_EQ(shown.text(field), text);
    // A result emptied again, as Backspace or the clearing leaves it, is no result.
    shown.show(Field::PE2X, "");
    shown.show(Field::PE2Y, "");
    shown.show(Field::PYY, "");
    EXPECT_FALSE(hasResults(shown));
}
