#include "analysis/solvers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/failure.h"

using namespace analysis;

namespace {

template <std::size_t N>
using Texts = std::array<std::optional<std::string>, N>;
using Three = Texts<3>;
using Two = Texts<2>;

// The texts of a solver's slots as the result rows show them; {} is an empty slot. Failure 5
// where the solver gives no slots.
template <std::size_t N>
Texts<N> texts(const SolverResult<N>& result) {
    Texts<N> out;
    for (std::size_t i = 0; i < N; ++i)
        if (const std::optional<Root>& root = result.slots()[i]) out[i] = root->text;
    return out;
}

TEST(KubGlei, ThreeRealRootsLargestSmallestMiddle) {
    EXPECT_EQ(texts(KubGleiRoots(1, -6, 11, -6)), (Three{"3", "1", "2"}));
    EXPECT_EQ(texts(KubGleiRoots(2, -4, -22, 24)), (Three{"4", "-3", "1"}));
    EXPECT_EQ(texts(KubGleiRoots(1, 0, -1, 0)), (Three{"1", "-1", "0"}));
}

TEST(KubGlei, OneRealRootLeavesTwoEmptySlots) {
    EXPECT_EQ(texts(KubGleiRoots(1, 0, 0, -8)), (Three{"2", {}, {}}));
    EXPECT_EQ(texts(KubGleiRoots(1, 2, 3, 4)), (Three{"-1,6506", {}, {}}));
}

TEST(KubGlei, DoubleAndTripleRoots) {
    EXPECT_EQ(texts(KubGleiRoots(1, 0, -3, 2)), (Three{"-2", "1", "1"}));
    EXPECT_EQ(texts(KubGleiRoots(1, -3, 3, -1)), (Three{"1", "1", "1"}));
    // the auxiliary cubic of x^4 - 5x^2 + 4
    EXPECT_EQ(texts(KubGleiRoots(1, 1, -4, -4)), (Three{"2", "-2", "-1"}));
}

TEST(KubGlei, LeadingZeroGivesNoSlots) {
    EXPECT_FALSE(KubGleiRoots(0, 1, 2, 3).solved());
    EXPECT_FALSE(KubGleiScaledRoots(0, 1, 2, 3).solved());
}

// x^3 + p*x + q with p = -3 has the discriminant -1 + q^2/4; q = 2 + e shifts it by about e.
TEST(KubGlei, DiscriminantBounds) {
    // q^2/4 - 1 = d  <=>  q = 2*sqrt(1 + d)
    auto withDisc = [](double d) { return KubGleiRoots(1, 0, -3, 2 * std::sqrt(1 + d)); };
    const Three doubleRoot{"-2", "1", "1"};
    EXPECT_EQ(texts(withDisc(0.0000004)), doubleRoot);
    EXPECT_EQ(texts(withDisc(-0.0000004)), doubleRoot);
    const CubicRoots::Slots one = withDisc(0.0000006).slots();  // one real root
    EXPECT_TRUE(one[0] && !one[1] && !one[2]);
    const CubicRoots::Slots three = withDisc(-0.0000006).slots();
    EXPECT_TRUE(three[0] && three[1] && three[2]);
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
    EXPECT_EQ(failureOf([] { KubGleiRoots(1e-300, 1e300, 0, 0); }), 6);
    // 0 * inf while scaling small roots, and inf - inf: a NaN is an overflow too.
    EXPECT_EQ(failureOf([] { KubGleiScaledRoots(1e304, 1, 1, 0); }), 6);
    EXPECT_EQ(failureOf([] { KubGleiRoots(1, 1e103, 1e300, 0); }), 6);
}

TEST(KubGleiScaled, SmallRootsAreScaled) {
    // 1000x^3 - 1: plain form mistakes it for a double root; the single real zero is 0,1.
    EXPECT_EQ(texts(KubGleiRoots(1000, 0, 0, -1)), (Three{"0,1587", "-0,0794", "-0,0794"}));
    EXPECT_EQ(texts(KubGleiScaledRoots(1000, 0, 0, -1)), (Three{"0,1", {}, {}}));
    // roots 0.01, 0.02, 0.03
    EXPECT_EQ(texts(KubGleiScaledRoots(1, -0.06, 0.0011, -0.000006)),
              (Three{"0,03", "0,01", "0,02"}));
    // (x - 0.1)^3
    EXPECT_EQ(texts(KubGleiScaledRoots(1, -0.3, 0.03, -0.001)), (Three{"0,1", "0,1", "0,1"}));
}

TEST(KubGleiScaled, OrderOneCubicsUnchanged) {
    EXPECT_EQ(texts(KubGleiScaledRoots(1, -6, 11, -6)), (Three{"3", "1", "2"}));
    EXPECT_EQ(KubGleiScaledRoots(4, 0, -10, 0), KubGleiRoots(4, 0, -10, 0));
    EXPECT_EQ(texts(KubGleiScaledRoots(4, 0, 0, 0)), (Three{"0", "0", "0"}));
    // y' of x^4 - 5x^2 + 4
    EXPECT_EQ(texts(KubGleiScaledRoots(4, 0, -10, 0)), (Three{"1,5811", "-1,5811", "0"}));
}

TEST(KubGlei, TrigonometricCaseIsGuarded) {
    // Triple roots fed slightly off make cos(phi) reach +-1: no failure, roots still come.
    EXPECT_NO_THROW(KubGleiRoots(1, -3.0000001, 3, -1));
    EXPECT_NO_THROW(KubGleiRoots(1e-5, 0, -3e-5, 2e-5));
    for (double e = 1e-7; e < 1e-2; e *= 3) {
        const CubicRoots::Slots s = KubGleiRoots(1, 0, -3 - e, 2).slots();
        EXPECT_TRUE(s[0] && s[1] && s[2]) << e;
    }
    // A double root beside a far one: cos(phi) comes out exactly -1 or +1 and sin(phi) 0, so the
    // angle is taken as pi or 0 instead of the arc tangent of a quotient by zero.
    EXPECT_EQ(
        texts(KubGleiRoots(1, -1.1660520630494586e-08, -4883.840281628145, 131368.21308174735)),
        (Three{"40,3478", "-80,6956", "40,3478"}));
    EXPECT_EQ(
        texts(KubGleiRoots(1, -4.7847625620062706e-07, -4883.8402618521932, -131368.21148591419)),
        (Three{"80,6956", "-40,3478", "-40,3478"}));
}

TEST(KubGlei, RootsRoundHalfUpAlsoBelowZero) {
    // (x + 1,03125)(x^2 - 1,03125x + 1,03125^2): the root is exactly -1,03125, a half at the fourth
    // decimal, which goes up to -1,0312, not away from zero.
    EXPECT_EQ(KubGleiRoots(1, 0, 0, 1.03125 * 1.03125 * 1.03125).slots(),
              (CubicRoots::Slots{Root{-1.0312, "-1,0312"}, std::nullopt, std::nullopt}));
}

TEST(QuadGlei, Examples) {
    EXPECT_EQ(texts(QuadGleiRoots(1, -3, 2)), (Two{"2", "1"}));
    EXPECT_EQ(texts(QuadGleiRoots(1, 2, 1)), (Two{"-1", "-1"}));
    EXPECT_EQ(texts(QuadGleiRoots(1, 1, 1)), Two{});
    EXPECT_EQ(texts(QuadGleiRoots(1, 0, -4)), (Two{"2", "-2"}));
    EXPECT_EQ(texts(QuadGleiRoots(1, 0, 4)), Two{});
    EXPECT_EQ(texts(QuadGleiRoots(0, 2, 4)), (Two{"-2", {}}));
    EXPECT_FALSE(QuadGleiRoots(0, 0, 5).solved());
    EXPECT_EQ(texts(QuadGleiRoots(3, 1, 0)), (Two{"0", "-0,333333333333333"}));
}

TEST(QuadGlei, FailuresGiveNoSlots) {
    EXPECT_FALSE(QuadGleiRoots(1e-300, 1e300, 1).solved());
    EXPECT_FALSE(QuadGleiRoots(1e-300, 0, -1e300).solved());
}

// A root 0 fills its slot like any other; a slot without a root is empty; a solver that gives
// up has no slots at all, and the run asking for them fails with 5.
TEST(SolverRoots, ZeroRootsEmptySlotsAndNoSlots) {
    using ThreeRoots = CubicRoots::Slots;
    using TwoRoots = QuadraticRoots::Slots;
    EXPECT_EQ(KubGleiRoots(1, 0, -1, 0).slots(),
              (ThreeRoots{Root{1, "1"}, Root{-1, "-1"}, Root{0, "0"}}));
    EXPECT_EQ(KubGleiScaledRoots(4, 0, 0, 0).slots(),
              (ThreeRoots{Root{0, "0"}, Root{0, "0"}, Root{0, "0"}}));
    EXPECT_EQ(KubGleiRoots(1, 0, 0, -8).slots(),
              (ThreeRoots{Root{2, "2"}, std::nullopt, std::nullopt}));
    EXPECT_EQ(QuadGleiRoots(0, 2, 4).slots(), (TwoRoots{Root{-2, "-2"}, std::nullopt}));
    EXPECT_EQ(QuadGleiRoots(1, 1, 1).slots(), (TwoRoots{std::nullopt, std::nullopt}));
    const TwoRoots third = QuadGleiRoots(3, 1, 0).slots();
    EXPECT_EQ(third[0], (Root{0, "0"}));
    ASSERT_TRUE(third[1]);
    EXPECT_EQ(third[1]->text, "-0,333333333333333");

    // All 0: the auxiliary cubic on the first press of degree 4, before there is a P01.
    for (const CubicRoots& none :
         {KubGleiRoots(0, 1, 2, 3), KubGleiRoots(0, 0, 0, 0), KubGleiScaledRoots(0, 0, 0, 0)}) {
        EXPECT_FALSE(none.solved());
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

// An unrounded root of QuadGleiRoots goes on as the number its text denotes.
TEST(SolverRoots, ShownValueIsTheNumberOfTheText) {
    const Root x = *QuadGleiRoots(3, -1601.4, 0.4).slots()[0];
    EXPECT_EQ(x.text, "533,799750218442");
    EXPECT_EQ(shownValue(x), 533.799750218442);
    EXPECT_NE(x.value, shownValue(x));
}

}  // namespace
