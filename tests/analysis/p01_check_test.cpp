#include "analysis/p01_check.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/derivative_terms.h"
#include "analysis/solvers.h"
#include "base/failure.h"

using namespace analysis;
using Outcome = P01Check::Outcome;

namespace {

// The zeros of HG after dividing y by (x - P01), the roots of the rows P02..P04.
CubicRoots::Slots remainingZeros(const Polynomial& y, double p01) {
    Cubic hg;
    divide(y, p01, hg);
    return KubGleiRoots(hg.a, hg.b, hg.c, hg.d).slots();
}

TEST(P01Check, RoundedZerosAreKeptAndDividedOutUnrounded) {
    // The zero search's 6 decimals of -2*sqrt(2) for 0,25x^4 - 2x^2.
    const Polynomial y{0.25, 0, -2, 0, 0};
    const P01Check c = checkP01(y, "-2,828427");
    EXPECT_EQ(c.outcome, Outcome::Keep);
    EXPECT_EQ(c.text, "-2,828427");
    EXPECT_EQ(c.message, "");
    EXPECT_NEAR(c.zero, -2 * std::sqrt(2.0), 1e-15);
    // Divided by the 6 decimals the double zero 0 splits into two false zeros; by z it stays.
    EXPECT_EQ(remainingZeros(y, -2.828427),
              (CubicRoots::Slots{Root{2.8284, "2,8284"}, Root{-0.0008, "-0,0008"},
                                 Root{0.0008, "0,0008"}}));
    EXPECT_EQ(remainingZeros(y, c.zero),
              (CubicRoots::Slots{Root{2.8284, "2,8284"}, Root{0, "0"}, Root{0, "0"}}));

    EXPECT_EQ(checkP01({1, 0, -5, 0, 4}, "1").zero, 1);
    EXPECT_EQ(checkP01({1, 0, -5, 0, 4}, "-2,0000001").outcome, Outcome::Keep);
    // Newton creeps slowly towards a double zero; one millionth is still its rounding.
    const P01Check twice = checkP01({1, 0, -2, 0, 1}, "1,000001");
    EXPECT_EQ(twice.outcome, Outcome::Keep);
    EXPECT_NEAR(twice.zero, 1, 1e-7);
    // Near the fourfold zero -4 of 0,5(x + 4)^4 the scan's flat report is 0 within the
    // rounding of y: kept as it is, without a message about a zero that noise would suggest.
    const P01Check flat = checkP01({0.5, 8, 48, 128, 128}, "-4,00076817558299");
    EXPECT_EQ(flat.outcome, Outcome::Keep);
    EXPECT_EQ(flat.zero, -4.00076817558299);
}

TEST(P01Check, ANearbyZeroReplacesWhatIsNone) {
    // The readout's 1,9 for x^4 - 5x^2 + 4 leads to the zero 2.
    const P01Check c = checkP01({1, 0, -5, 0, 4}, "1,9");
    EXPECT_EQ(c.outcome, Outcome::Replace);
    EXPECT_EQ(c.zero, 2);
    EXPECT_EQ(c.text, "2");
    EXPECT_EQ(c.message,
              "1,9 ist keine Nullstelle der Grundfunktion.\r\n"
              "Die Berechnung wird mit der nahe gelegenen Nullstelle 2 fortgesetzt.");
    EXPECT_EQ(remainingZeros({1, 0, -5, 0, 4}, c.zero),
              (CubicRoots::Slots{Root{1, "1"}, Root{-2, "-2"}, Root{-1, "-1"}}));
    // A person's four decimals are more than the rounding: the zero replaces them, with the six
    // decimals of the zero search, which the next check keeps.
    const P01Check four = checkP01({0, 0, 1, 0, -2}, "1,4142");
    EXPECT_EQ(four.outcome, Outcome::Replace);
    EXPECT_EQ(four.text, "1,414214");
    EXPECT_EQ(checkP01({0, 0, 1, 0, -2}, four.text).outcome, Outcome::Keep);
    EXPECT_NE(four.message.find("1,4142 ist keine"), std::string::npos);
}

TEST(P01Check, NoZeroFromThereEndsTheRun) {
    const std::string expected =
        "1 ist keine Nullstelle der Grundfunktion.\r\n"
        "Tragen Sie bei P01 eine Nullstelle der Grundfunktion ein.\r\n"
        "Existiert keine Nullstelle, tragen Sie das Zeichen  #  ein!\r\n"
        "Starten Sie dann die Berechnung über die blaue Start-Taste rechts unten erneut.";
    const P01Check none = checkP01({1, 0, 0, 0, 1}, "1");  // x^4 + 1 has no real zero
    EXPECT_EQ(none.outcome, Outcome::Reject);
    EXPECT_EQ(none.text, "1");
    EXPECT_EQ(none.message, expected);
    // At the maximum 0 of x^4 - 5x^2 + 4 Newton cannot take a step.
    const P01Check flat = checkP01({1, 0, -5, 0, 4}, "0");
    EXPECT_EQ(flat.outcome, Outcome::Reject);
    EXPECT_EQ(flat.message.substr(0, 6), "0 ist ");
    // Near the minimum (0 | 0,001) of (x^2 - 1)^2 + 0,001 it wanders for 100 steps.
    EXPECT_EQ(checkP01({1, 0, -2, 0, 1.001}, "1").outcome, Outcome::Reject);
    EXPECT_THROW(checkP01({1, 0, 0, 0, -1}, "1-2"), Failure);
}

}  // namespace
