#include "plot/range_fields.h"

#include <gtest/gtest.h>

namespace {

TEST(CompletionTest, LeadingCommaBecomesZeroComma) {
    EXPECT_EQ(plot::completeRange(","), "0,");
    EXPECT_EQ(plot::completeRange("-,"), "-0,");
    EXPECT_EQ(plot::completeRange("+,"), "0,");
    EXPECT_EQ(plot::completeRange(",5"), "0,");
    EXPECT_FALSE(plot::completeRange("0,"));
    EXPECT_FALSE(plot::completeRange("-0,"));
    EXPECT_FALSE(plot::completeRange(""));
    EXPECT_EQ(plot::completeSpacing(","), "0,");
    EXPECT_FALSE(plot::completeSpacing("-,"));
}

TEST(CompletionTest, SpacingDrawsOnlyForNumbersOtherThanZero) {
    EXPECT_TRUE(plot::spacingDraws("0,5"));
    EXPECT_TRUE(plot::spacingDraws("1.000"));
    for (const char* t : {"", "0", "0,", "Pi", "Pi5", ","})
        EXPECT_FALSE(plot::spacingDraws(t)) << t;
}

}  // namespace
