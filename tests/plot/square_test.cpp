#include <gtest/gtest.h>

#include "plot/square.h"

TEST(Square, WorldToWindow) {
    EXPECT_DOUBLE_EQ(plot::windowX(0, -10, 10), 3622.5);
    EXPECT_DOUBLE_EQ(plot::windowX(10, -10, 10), 7125);
    EXPECT_DOUBLE_EQ(plot::windowY(0, 4642, -10, 10), 4642);
    EXPECT_DOUBLE_EQ(plot::windowY(10, 4642, -10, 10), 4642 - 3502.5);
}
