#include "analysis/real_roots.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/failure.h"

using namespace analysis;

namespace {

using Roots = std::vector<double>;

TEST(RealRoots, RootsOfEvenMultiplicityShowAtTheCuts) {
    EXPECT_EQ(realRoots({1, 0, -2, 0, 1}, -10, 10), (Roots{-1, 1}));  // (x^2 - 1)^2
    EXPECT_EQ(realRoots({0, 0, 1, -2, 1}, -10, 10), (Roots{1}));      // (x - 1)^2
    EXPECT_EQ(realRoots({1, 0, 0, 0, 0}, -10, 10), (Roots{0}));       // x^4
    EXPECT_EQ(realRoots({1, -4, 6, -4, 1}, -10, 10), (Roots{1}));     // (x - 1)^4
    EXPECT_EQ(realRoots({0.25, 0, -2, 0, 0}, -1, 1), (Roots{0}));     // double 0 of 0,25x^4 - 2x^2
    // (x^2 - 2)^2: the double roots are irrational, found on y' to the last bits.
    const Roots r = realRoots({1, 0, -4, 0, 4}, -10, 10);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_NEAR(r[0], -std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(r[1], std::sqrt(2.0), 1e-15);
}

TEST(RealRoots, SimpleRootsEachOnceAndAscending) {
    const Roots r = realRoots({1, 0, -5, 0, 4}, -10, 10);
    EXPECT_EQ(r, (Roots{-2, -1, 1, 2}));
    // Two zeros 0,0001 apart, far closer than a scan step of 20/90.
    const Roots close = realRoots({0, 0, 1, -0.2001, 0.01001}, -10, 10);
    ASSERT_EQ(close.size(), 2u);
    EXPECT_NEAR(close[0], 0.1, 1e-12);
    EXPECT_NEAR(close[1], 0.1001, 1e-12);
    EXPECT_EQ(realRoots({0, 1, -3, 3, -1}, -10, 10), (Roots{1}));  // (x - 1)^3
    EXPECT_EQ(realRoots({0, 0, 0, 2, 1}, -10, 10), (Roots{-0.5}));
}

TEST(RealRoots, OnlyInsideTheIntervalEndsIncluded) {
    EXPECT_EQ(realRoots({1, 0, -5, 0, 4}, 0, 1.5), (Roots{1}));
    EXPECT_EQ(realRoots({0, 0, 0, 1, -10}, -10, 10), (Roots{10}));
    EXPECT_EQ(realRoots({0, 0, 1, 0, -121}, -10, 10), Roots{});
    EXPECT_EQ(realRoots({0, 0, 1, 0, 1}, -10, 10), Roots{});  // x^2 + 1
    EXPECT_EQ(realRoots({0, 0, 0, 0, 3}, -10, 10), Roots{});
    EXPECT_EQ(realRoots({}, -10, 10), (Roots{-10}));
}

TEST(RealRoots, OverflowIsFailureSix) {
    EXPECT_THROW(realRoots({1e306, 0, 0, 0, -1}, -1e3, 1e3), Failure);
}

}  // namespace
