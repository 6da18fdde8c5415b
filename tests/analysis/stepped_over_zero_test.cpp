#include "analysis/stepped_over_zero.h"

#include <gtest/gtest.h>

#include "base/numtext.h"

using namespace analysis;

namespace {

// What the zero search reports on ix1..ix2.
ZeroReport search(const Polynomial& y, const char* ix1 = "-10", const char* ix2 = "10") {
    return SuchNullstelle(y, ix1, ix2, "");
}

TEST(SteppedOverZero, DoubleZerosTheScanCannotSee) {
    const Polynomial squares{1, 0, -2, 0, 1};  // (x^2 - 1)^2
    const ZeroReport r = search(squares);
    EXPECT_TRUE(r.written);
    EXPECT_EQ(r.x, "-1");
    EXPECT_EQ(r.y, "0");
    // Scanned downwards the zero nearest to txtIX1 wins.
    EXPECT_EQ(search(squares, "10", "-10").x, "1");
    EXPECT_EQ(search(squares, "0", "10").x, "1");
    // (x^2 - 2)^2 in the 6-decimal form of the scan's own reports.
    EXPECT_EQ(search({1, 0, -4, 0, 4}).x, "-1,414214");
    EXPECT_EQ(search({0, 0, 1, -2, 1}).x, "1");                 // degree 2, y' linear
    EXPECT_EQ(search({0, 0, 1, -2, 1}, "-10", "0").x, "#");     // outside the interval
    EXPECT_EQ(search({0, 0, 4, 4, 1}, "10", "-10").x, "-0,5");  // (2x + 1)^2
}

TEST(SteppedOverZero, TwoZerosWithinOneScanStep) {
    // (x - 0,1)(x - 0,1001): y has the same sign at both ends of the scan step around them.
    const Polynomial y{0, 0, 1, -0.2001, 0.01001};
    EXPECT_EQ(search(y).x, "0,1");
    EXPECT_EQ(search(y, "10", "-10").x, "0,1001");
}

TEST(SteppedOverZero, HashStaysWithoutARealZero) {
    for (const Polynomial& y : {Polynomial{1, 0, 0, 0, 1}, Polynomial{0, 0, 1, -2, 2},
                                Polynomial{0, 0, 0, 0, 5}, Polynomial{1, 0, -2, 0, 1.001}}) {
        const ZeroReport r = search(y);
        EXPECT_EQ(r.x, "#");
        EXPECT_EQ(r.y, "");
    }
}

}  // namespace
