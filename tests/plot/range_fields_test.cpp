#include "plot/range_fields.h"

#include <gtest/gtest.h>

namespace {

using plot::rangeKey;
using plot::spacingKey;

int typed(plot::KeyOutcome o) { return o.key; }

TEST(RangeKeyTest, LetsNumberCharactersThroughAndTurnsPointIntoComma) {
    for (char c : std::string("0123456789+-,")) EXPECT_EQ(typed(rangeKey(c, "")), c) << c;
    EXPECT_EQ(typed(rangeKey('.', "")), ',');
    for (char c : std::string("aXE/* #")) EXPECT_EQ(typed(rangeKey(c, "")), 0) << c;
    // Copy and paste pass unchanged, even where a comma or sign would be refused.
    EXPECT_EQ(typed(rangeKey(3, "-1,5")), 3);
    EXPECT_EQ(typed(rangeKey(22, "-1,5")), 22);
}

TEST(RangeKeyTest, SignOnlyAtAFrontWithoutOneAndOneComma) {
    EXPECT_EQ(typed(rangeKey('+', "-5")), 0);
    EXPECT_EQ(typed(rangeKey('-', "+5")), 0);
    EXPECT_EQ(typed(rangeKey('-', "5")), '-');  // a sign after digits is not refused
    EXPECT_EQ(typed(rangeKey(',', "1,5")), 0);
    EXPECT_EQ(typed(rangeKey('.', "1,5")), 0);
    EXPECT_EQ(typed(rangeKey(',', "-15")), ',');
}

TEST(RangeKeyTest, EnterMovesOnAndBackspaceDropsTheLastCharacter) {
    const plot::KeyOutcome enter = rangeKey(13, "5");
    EXPECT_TRUE(enter.nextField);
    EXPECT_EQ(enter.key, 0);
    const plot::KeyOutcome back = rangeKey(8, "123");
    EXPECT_TRUE(back.dropLast);
    EXPECT_EQ(back.key, 0);
    // Nothing to remove: the handler fails and the key goes on untouched.
    const plot::KeyOutcome empty = rangeKey(8, "");
    EXPECT_FALSE(empty.dropLast);
    EXPECT_EQ(empty.key, 8);
}

TEST(SpacingKeyTest, OnlyDigitsAndOneComma) {
    for (char c : std::string("0123456789,")) EXPECT_EQ(typed(spacingKey(c, "")), c) << c;
    EXPECT_EQ(typed(spacingKey('.', "")), ',');
    for (int c : {int{'+'}, int{'-'}, int{'/'}, int{'P'}, 3, 22})
        EXPECT_EQ(typed(spacingKey(c, "1")), 0) << c;
    EXPECT_EQ(typed(spacingKey('.', "0,5")), 0);
    EXPECT_TRUE(spacingKey(13, "1").nextField);
    EXPECT_TRUE(spacingKey(8, "Pi").dropLast);
    EXPECT_EQ(typed(spacingKey(8, "")), 8);
}

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
