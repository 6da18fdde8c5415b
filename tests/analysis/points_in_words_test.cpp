#include "analysis/points_in_words.h"

#include <gtest/gtest.h>

namespace {

using analysis::MarkedPoint;
using analysis::PointKind;

TEST(PointsInWordsTest, EachNameInWordsWithItsPointInGermanNotation) {
    const std::vector<MarkedPoint> points = {
        {PointKind::Zero, -2.5, 0, "N1"},
        {PointKind::Extreme, 1.5811, -2.25, "E1 min"},
        {PointKind::Extreme, 0, 4, "E2 max"},
        {PointKind::Extreme, 7, 1, "E3"},
        {PointKind::Inflection, 0.9129, 0.5278, "W1"},
        {PointKind::Intercept, 0, 4, "Sy"},
    };
    EXPECT_EQ(analysis::pointsInWords(points),
              "Nullstelle N1 bei (-2,5 | 0); Tiefpunkt E1 bei (1,5811 | -2,25); Hochpunkt E2 bei "
              "(0 | 4); Extrempunkt E3 bei (7 | 1); Wendepunkt W1 bei (0,9129 | 0,5278); "
              "Schnittpunkt mit der y-Achse bei (0 | 4)");
}

TEST(PointsInWordsTest, CoincidingPointsShareOneSentenceAndADoubleZeroOneWord) {
    EXPECT_EQ(analysis::pointsInWords({{PointKind::Zero, 3, 0, "N2, N3, E1 min"}}),
              "Nullstellen N2 und N3 und Tiefpunkt E1 bei (3 | 0)");
    EXPECT_EQ(analysis::pointsInWords({{PointKind::Zero, 0, 0, "N1, N2, N3, W1, Sy"}}),
              "Nullstellen N1, N2 und N3 und Wendepunkt W1 und Schnittpunkt mit der y-Achse bei "
              "(0 | 0)");
    EXPECT_EQ(analysis::pointsInWords({}), "keine");
}

}  // namespace
