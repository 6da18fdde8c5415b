#include <gtest/gtest.h>

#include "plot/curve.h"

TEST(CurveTest, SamplesByRepeatedAddition) {
    auto xs = plot::samples(-10, 10);
    ASSERT_GE(xs.size(), 5000u);
    EXPECT_LE(xs.size(), 5001u);
    EXPECT_EQ(xs.front(), -10);
    double x = -10;
    for (int i = 0; i < 100; ++i) x += 20.0 / 5000;
    EXPECT_EQ(xs[100], x);  // accumulated, not -10 + 100 * step

    auto back = plot::samples(10, -10);
    EXPECT_EQ(back.front(), 10);
    EXPECT_GE(back.back(), -10);
    EXPECT_TRUE(plot::samples(3, 3).empty());
}

TEST(CurveTest, Mapping) {
    EXPECT_DOUBLE_EQ(plot::windowX(0, -10, 10), 3622.5);
    EXPECT_DOUBLE_EQ(plot::windowX(10, -10, 10), 7125);
    EXPECT_DOUBLE_EQ(plot::windowY(0, 4642, -10, 10), 4642);
    EXPECT_DOUBLE_EQ(plot::windowY(10, 4642, -10, 10), 4642 - 3502.5);
}
