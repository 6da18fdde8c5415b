#include "analysis/marked_points.h"

#include <gtest/gtest.h>

namespace {

// The panel after x^4 - 5x^2 + 4 with P01 = 1.
analysis::ShownResults bothMinimaAndTheMaximum() {
    analysis::ShownResults shown;
    shown.fields = {"1",      "0",      "2",       "0",       "-2",      "0", "-1",
                    "0",      "1,5811", "-2,2500", "-1,5811", "-2,2500", "0", "4,0000",
                    "0,9129", "0,5278", "-0,9129", "0,5278",  "0",       "4"};
    shown.kinds = {"min", "min", "max"};
    return shown;
}

TEST(MarkedPointsTest, EveryPointOfThePanelWithItsLabel) {
    const auto points = analysis::markedPoints(bothMinimaAndTheMaximum());
    ASSERT_EQ(points.size(), 10u);
    EXPECT_EQ(points[0].label, "N1");
    EXPECT_EQ(points[0].kind, analysis::PointKind::Zero);
    EXPECT_EQ(points[4].label, "E1 min");
    EXPECT_DOUBLE_EQ(points[4].x, 1.5811);
    EXPECT_DOUBLE_EQ(points[4].y, -2.25);
    EXPECT_EQ(points[6].label, "E3 max");
    EXPECT_EQ(points[7].label, "W1");
    EXPECT_EQ(points[7].kind, analysis::PointKind::Inflection);
    EXPECT_EQ(points[9].label, "Sy");
    EXPECT_DOUBLE_EQ(points[9].y, 4);
}

TEST(MarkedPointsTest, DoubleZerosOnceWithBothNamesAndFieldsThatHoldNoPointNotAtAll) {
    analysis::ShownResults shown;
    // (x-1)^2 shows its zero twice; the search's "#" and an extreme without a kind.
    shown.fields[0] = "1", shown.fields[1] = "0";
    shown.fields[2] = "1", shown.fields[3] = "0";
    shown.fields[4] = "#";
    shown.fields[8] = "1", shown.fields[9] = "0";
    const auto points = analysis::markedPoints(shown);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].label, "N1, N2");
    EXPECT_EQ(points[1].label, "E1");
    EXPECT_EQ(points[1].kind, analysis::PointKind::Extreme);
    EXPECT_TRUE(analysis::markedPoints({}).empty());
}

}  // namespace
