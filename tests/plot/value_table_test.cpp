#include "plot/value_table.h"

#include <gtest/gtest.h>

#include "base/failure.h"

using plot::valueTable;

TEST(ValueTable, ValuesAsTheCurveSamplesThemAndFailuresInWords) {
    const plot::ValueTable t = valueTable("-1", "1", "0,5",
                                          {{"y", "1/(X)", false},
                                           {"y'", "2(X)", true},  // normalised: 2*(X)
                                           {"y''", "LOG((X))", true},
                                           {"y'''", "EXP(1000*(X))", true}});
    ASSERT_EQ(t.rows, 5);
    EXPECT_EQ(t.headings, (std::vector<std::string>{"x", "y", "y'", "y''", "y'''"}));
    EXPECT_EQ(t.cells[0],
              (std::vector<std::string>{"-1", "-1,0000", "-2,0000", "nicht definiert", "0,0000"}));
    EXPECT_EQ(t.cells[2][1], "Division durch 0");
    EXPECT_EQ(t.cells[4][4], "Überlauf");
    EXPECT_EQ(t.cells[3][3], "-0,6931");
    // The y term is not normalised, as the curve of y: 2(X) is no term there.
    EXPECT_EQ(valueTable("0", "0", "1", {{"y", "2(X)", false}}).cells[0][1], "Fehler");
    EXPECT_EQ(t.asText().rows.size(), 6u);
}

TEST(ValueTable, RowsCountedFromTheStartUpToTheLimit) {
    // 0,1 steps do not drift: the last row is 1, not 0,99999999.
    plot::ValueTable t = valueTable("0", "1", "0,1", {});
    EXPECT_EQ(t.rows, 11);
    EXPECT_EQ(t.cells.back()[0], "1");
    EXPECT_EQ(valueTable("-5", "5", "0,001", {}).rows, 10001);
    t = valueTable("-5", "5", "0,0009", {});
    EXPECT_TRUE(t.tooMany);
    EXPECT_EQ(t.rows, 0);
    EXPECT_EQ(valueTable("1", "0", "1", {}).rows, 0);  // an end before the start
    EXPECT_EQ(valueTable("0", "1", "0", {}).rows, 0);  // no step
    EXPECT_THROW(valueTable("a", "1", "1", {}), Failure);
}

TEST(ValueTable, ThousandsOfRowsOfACurvesDomain) {
    // The default domain in the curve's steps: x = 2 is row 3000, 3 * SQR(2) there.
    const plot::ValueTable t = valueTable("-10", "10", "0,004", {{"y'", "SQR((X))*3", true}});
    EXPECT_EQ(t.rows, 5001);
    EXPECT_EQ(t.cells[3000][0], "2");
    EXPECT_EQ(t.cells[3000][1], "4,2426");
    EXPECT_EQ(t.cells[0][1], "nicht definiert");
}
