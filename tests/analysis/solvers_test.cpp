#include "analysis/solvers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/failure.h"

using namespace analysis;

namespace {

TEST(KubGlei, ThreeRealRootsLargestSmallestMiddle) {
    EXPECT_EQ(KubGlei(1, -6, 11, -6), "3|1|2");
    EXPECT_EQ(KubGlei(2, -4, -22, 24), "4|-3|1");
    EXPECT_EQ(KubGlei(1, 0, -1, 0), "1|-1|0");
}

TEST(KubGlei, OneRealRootLeavesTwoEmptySlots) {
    EXPECT_EQ(KubGlei(1, 0, 0, -8), "2||");
    EXPECT_EQ(KubGlei(1, 2, 3, 4), "-1,6506||");
}

TEST(KubGlei, DoubleAndTripleRoots) {
    EXPECT_EQ(KubGlei(1, 0, -3, 2), "-2|1|1");
    EXPECT_EQ(KubGlei(1, -3, 3, -1), "1|1|1");
    EXPECT_EQ(KubGlei(1, 1, -4, -4), "2|-2|-1");  // the auxiliary cubic of x^4 - 5x^2 + 4
}

TEST(KubGlei, LeadingZeroGivesEmptyText) {
    EXPECT_EQ(KubGlei(0, 1, 2, 3), "");
    EXPECT_EQ(KubGleiScaled(0, 1, 2, 3), "");
}

// x^3 + p*x + q with p = -3 has the discriminant -1 + q^2/4; q = 2 + e shifts it by about e.
TEST(KubGlei, DiscriminantBounds) {
    // q^2/4 - 1 = d  <=>  q = 2*sqrt(1 + d)
    auto withDisc = [](double d) { return KubGlei(1, 0, -3, 2 * std::sqrt(1 + d)); };
    const std::string doubleRoot = "-2|1|1";
    EXPECT_EQ(withDisc(0.0000004), doubleRoot);
    EXPECT_EQ(withDisc(-0.0000004), doubleRoot);
    const std::string one = withDisc(0.0000006);  // one real root: "x1||"
    EXPECT_EQ(one.substr(one.size() - 2), "||");
    EXPECT_EQ(one.find('|'), one.size() - 2);
    EXPECT_EQ(withDisc(-0.0000006).find("||"), std::string::npos);
}

TEST(KubGlei, OverflowIsFailure6) {
    const auto failureOf = [](auto solve) {
        try {
            solve();
        } catch (const Failure& f) {
            return f.number();
        }
        return 0;
    };
    EXPECT_EQ(failureOf([] { KubGlei(1e-300, 1e300, 0, 0); }), 6);
    // 0 * inf while scaling small roots, and inf - inf: a NaN is an overflow too.
    EXPECT_EQ(failureOf([] { KubGleiScaled(1e304, 1, 1, 0); }), 6);
    EXPECT_EQ(failureOf([] { KubGlei(1, 1e103, 1e300, 0); }), 6);
}

TEST(KubGleiScaled, SmallRootsAreScaled) {
    // 1000x^3 - 1: plain form mistakes it for a double root; the single real zero is 0,1.
    EXPECT_EQ(KubGlei(1000, 0, 0, -1), "0,1587|-0,0794|-0,0794");
    EXPECT_EQ(KubGleiScaled(1000, 0, 0, -1), "0,1||");
    // roots 0.01, 0.02, 0.03
    EXPECT_EQ(KubGleiScaled(1, -0.06, 0.0011, -0.000006), "0,03|0,01|0,02");
    EXPECT_EQ(KubGleiScaled(1, -0.3, 0.03, -0.001), "0,1|0,1|0,1");  // (x - 0.1)^3
}

TEST(KubGleiScaled, OrderOneCubicsUnchanged) {
    EXPECT_EQ(KubGleiScaled(1, -6, 11, -6), "3|1|2");
    EXPECT_EQ(KubGleiScaled(4, 0, -10, 0), KubGlei(4, 0, -10, 0));
    EXPECT_EQ(KubGleiScaled(4, 0, 0, 0), "0|0|0");
    EXPECT_EQ(KubGleiScaled(4, 0, -10, 0), "1,5811|-1,5811|0");  // y' of x^4 - 5x^2 + 4
}

TEST(KubGlei, TrigonometricCaseIsGuarded) {
    // Triple roots fed slightly off make cos(phi) reach +-1: no failure, roots still come.
    EXPECT_NO_THROW(KubGlei(1, -3.0000001, 3, -1));
    EXPECT_NO_THROW(KubGlei(1e-5, 0, -3e-5, 2e-5));
    for (double e = 1e-7; e < 1e-2; e *= 3) {
        const std::string s = KubGlei(1, 0, -3 - e, 2);
        EXPECT_EQ(s.find("||"), std::string::npos) << s;
    }
    // A double root beside a far one: cos(phi) comes out exactly -1 or +1 and sin(phi) 0, so the
    // angle is taken as pi or 0 instead of the arc tangent of a quotient by zero.
    EXPECT_EQ(KubGlei(1, -1.1660520630494586e-08, -4883.840281628145, 131368.21308174735),
              "40,3478|-80,6956|40,3478");
    EXPECT_EQ(KubGlei(1, -4.7847625620062706e-07, -4883.8402618521932, -131368.21148591419),
              "80,6956|-40,3478|-40,3478");
}

TEST(KubGlei, RootsRoundHalfUpAlsoBelowZero) {
    // (x + 1,03125)(x^2 - 1,03125x + 1,03125^2): the root is exactly -1,03125, a half at the fourth
    // decimal, which goes up to -1,0312, not away from zero.
    EXPECT_EQ(KubGlei(1, 0, 0, 1.03125 * 1.03125 * 1.03125), "-1,0312||");
}

TEST(QuadGlei, Examples) {
    EXPECT_EQ(QuadGlei(1, -3, 2), "2|1");
    EXPECT_EQ(QuadGlei(1, 2, 1), "-1|-1");
    EXPECT_EQ(QuadGlei(1, 1, 1), "|");
    EXPECT_EQ(QuadGlei(1, 0, -4), "2|-2");
    EXPECT_EQ(QuadGlei(1, 0, 4), "|");
    EXPECT_EQ(QuadGlei(0, 2, 4), "-2|");
    EXPECT_EQ(QuadGlei(0, 0, 5), "");
    EXPECT_EQ(QuadGlei(3, 1, 0), "0|-0,333333333333333");
}

TEST(QuadGlei, FailuresGiveEmptyText) {
    EXPECT_EQ(QuadGlei(1e-300, 1e300, 1), "");
    EXPECT_EQ(QuadGlei(1e-300, 0, -1e300), "");
}

// A root 0 fills its slot like any other; a slot without a root is empty; a solver that gives
// up has no slots at all, and the run asking for them fails with 5.
TEST(SolverRoots, ZeroRootsEmptySlotsAndNoSlots) {
    using Three = CubicRoots::Slots;
    using Two = QuadraticRoots::Slots;
    EXPECT_EQ(KubGleiRoots(1, 0, -1, 0).slots(),
              (Three{Root{1, "1"}, Root{-1, "-1"}, Root{0, "0"}}));
    EXPECT_EQ(KubGleiScaledRoots(4, 0, 0, 0).slots(),
              (Three{Root{0, "0"}, Root{0, "0"}, Root{0, "0"}}));
    EXPECT_EQ(KubGleiRoots(1, 0, 0, -8).slots(), (Three{Root{2, "2"}, std::nullopt, std::nullopt}));
    EXPECT_EQ(QuadGleiRoots(0, 2, 4).slots(), (Two{Root{-2, "-2"}, std::nullopt}));
    EXPECT_EQ(QuadGleiRoots(1, 1, 1).slots(), (Two{std::nullopt, std::nullopt}));
    const Two third = QuadGleiRoots(3, 1, 0).slots();
    EXPECT_EQ(third[0], (Root{0, "0"}));
    ASSERT_TRUE(third[1]);
    EXPECT_EQ(third[1]->text, "-0,333333333333333");

    for (const CubicRoots& none : {KubGleiRoots(0, 1, 2, 3), KubGleiScaledRoots(0, 0, 0, 0)}) {
        EXPECT_FALSE(none.solved());
        EXPECT_EQ(none.text(), "");
        EXPECT_THROW(
            try { none.slots(); } catch (const Failure& f) {
                EXPECT_EQ(f.number(), 5);
                throw;
            },
            Failure);
    }
    for (const QuadraticRoots& none : {QuadGleiRoots(0, 0, 5), QuadGleiRoots(1e-300, 1e300, 1)}) {
        EXPECT_FALSE(none.solved());
        EXPECT_THROW(none.slots(), Failure);
    }
}

// An unrounded root of QuadGlei goes on as the number its text denotes.
TEST(SolverRoots, ShownValueIsTheNumberOfTheText) {
    const Root x = *QuadGleiRoots(3, -1601.4, 0.4).slots()[0];
    EXPECT_EQ(x.text, "533,799750218442");
    EXPECT_EQ(shownValue(x), 533.799750218442);
    EXPECT_NE(x.value, shownValue(x));
}

}  // namespace
