#include "analysis/zerosearch.h"

#include <gtest/gtest.h>

#include "base/failure.h"

using namespace analysis;

namespace {

ZeroReport search(Polynomial p, const char* lo = "-10", const char* hi = "10") {
    return SuchNullstelle(p, lo, hi, "");
}

int failureOf(Polynomial p, const char* lo, const char* hi) {
    try {
        search(p, lo, hi);
    } catch (const Failure& f) {
        return f.number();
    }
    return 0;
}

TEST(SuchNullstelle, FilledP01IsLeftAlone) {
    EXPECT_FALSE(SuchNullstelle({0, 0, 1, 0, -2}, "-10", "10", "#").written);
    EXPECT_FALSE(SuchNullstelle({0, 0, 1, 0, -2}, "x", "10", " 1,5").written);
}

TEST(SuchNullstelle, LevelSixMidpointAndFirstSignChange) {
    const ZeroReport r = search({0, 0, 1, 0, -2});
    EXPECT_TRUE(r.written);
    EXPECT_EQ(r.x, "-1,414214");
    EXPECT_EQ(r.y, "0");
}

TEST(SuchNullstelle, LevelSixMidpointGetsATenthOfAMillionthBeforeRounding) {
    // The midpoint lies at -9496530,55 millionths: the added 0,1 takes it to -9,49653, where
    // rounding the midpoint alone would give -9,496531.
    EXPECT_EQ(search({0, 0, 0, 1, 9.4965305999999998}).x, "-9,49653");
}

TEST(SuchNullstelle, ExactGridZeroIsUnrounded) {
    EXPECT_EQ(search({0, 0, 0, 1, 10}).x, "-10");
    EXPECT_EQ(search({0, 0, 0, 1, 0}, "-9", "9").x, "0");
}

TEST(SuchNullstelle, HashOnlyWithoutAZeroInTheInterval) {
    const ZeroReport none = search({0, 0, 1, 0, 1});  // x^2 + 1
    EXPECT_TRUE(none.written);
    EXPECT_EQ(none.x, "#");
    EXPECT_EQ(none.y, "");
    // (x - 1)^2 touches 0 where no grid point lies: the zero the scan steps over is reported.
    const ZeroReport touching = search({0, 0, 1, -2, 1});
    EXPECT_EQ(touching.x, "1");
    EXPECT_EQ(touching.y, "0");
}

TEST(SuchNullstelle, EmptyIntervalGivesHashAtOnce) {
    EXPECT_EQ(search({0, 0, 0, 1, 0}, "3", "3").x, "#");
    EXPECT_EQ(search({0, 0, 0, 1, -3}, "3", "3,0").x, "#");
}

TEST(SuchNullstelle, ReversedIntervalFindsZeroNearestStart) {
    EXPECT_EQ(search({0, 0, 1, 0, -2}, "10", "-10").x, "1,414214");
}

TEST(SuchNullstelle, FlatLevelSixReportsRoundedPoint) {
    // (x - 1)^3 is flatter than 1e-8 near 1 before its sign changes.
    const ZeroReport r = search({0, 1, -3, 3, -1}, "-10", "10,3");
    EXPECT_TRUE(r.written);
    EXPECT_NEAR(std::stod(std::string(r.x).replace(r.x.find(','), 1, ".")), 1, 0.01);
}

TEST(SuchNullstelle, LargeZerosBeyond32Bits) {
    // x - 3000,123456789 on 0..10000: found at level 6, beyond the old 32-bit limit.
    const ZeroReport r = search({0, 0, 0, 1, -3000.123456789}, "0", "10000");
    EXPECT_EQ(r.x, "3000,123457");
    EXPECT_EQ(search({0, 0, 1, 0, -25000000}, "-10000", "0").x, "-5000");
}

TEST(SuchNullstelle, FailuresEndTheRun) {
    EXPECT_EQ(failureOf({0, 0, 0, 1, 0}, "a", "10"), 13);
    EXPECT_EQ(failureOf({0, 0, 0, 1, 0}, "-10", ""), 13);
    EXPECT_EQ(failureOf({1e306, 0, 0, 0, 1}, "-10", "10"), 6);
}

}  // namespace
