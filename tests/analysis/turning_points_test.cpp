#include <gtest/gtest.h>

#include "analysis/extreme_points.h"
#include "analysis/slot_roots.h"
#include "analysis/solvers.h"
#include "base/numtext.h"

using namespace analysis;

namespace {

Derivatives derivativesOf(const Polynomial& k) {
    Derivatives d;
    derive(k, d.abl1);
    derive(d.abl1, d.abl2);
    derive(d.abl2, d.abl3);
    return d;
}

// The extreme points of y as "x kind", from the slots the run takes for its degree.
std::vector<std::string> extremes(const Polynomial& y) {
    const Derivatives d = derivativesOf(y);
    std::vector<CriticalSlot> slots;
    if (y.a != 0) {
        const CubicRoots roots = KubGleiScaledRoots(d.abl1.a, d.abl1.b, d.abl1.c, d.abl1.d);
        for (const std::optional<Root>& root : roots.slots())
            slots.push_back({root ? root->text : "", root ? shownValue(*root) : 0});
    } else {
        const QuadraticRoots roots = QuadGleiRoots(d.abl1.b, d.abl1.c, d.abl1.d);
        for (const std::optional<Root>& root : roots.slots()) {
            const double x = root ? shownValue(*root) : 0;
            slots.push_back({root ? numtext::formatFixed(x, 4) : "", x});
        }
    }
    std::vector<std::string> out;
    for (const ExtremePoint& p : extremePoints(slots, d))
        out.push_back(slots[p.slot].shown + " " + p.kind);
    return out;
}

// The inflection points of a degree-4 y as their rows show x.
std::vector<std::string> inflections(const Polynomial& y) {
    const Derivatives d = derivativesOf(y);
    std::vector<std::string> shown;
    const QuadraticRoots roots = QuadGleiRoots(d.abl2.a, d.abl2.b, d.abl2.c);
    for (const std::optional<Root>& root : roots.slots())
        shown.push_back(root ? numtext::formatFixed(shownValue(*root), 4) : "");
    std::vector<std::string> out;
    for (std::size_t i : inflectionSlots(shown, d.abl2)) out.push_back(shown[i]);
    return out;
}

using Texts = std::vector<std::string>;

TEST(ExtremePoints, SimpleRootsOfYPrimeKeepTheSecondDerivativeTest) {
    EXPECT_EQ(extremes({1, 0, -5, 0, 4}), (Texts{"1,5811 min", "-1,5811 min", "0 max"}));
    EXPECT_EQ(extremes({0, 1, -3, 0, 0}), (Texts{"2,0000 min", "0,0000 max"}));
    EXPECT_EQ(extremes({0, -1, 0, 3, 0}), (Texts{"1,0000 max", "-1,0000 min"}));
}

TEST(ExtremePoints, ATripleRootOfYPrimeIsOneExtremePointLabelledBy24A) {
    EXPECT_EQ(extremes({1, 0, 0, 0, -1}), (Texts{"0 min"}));   // x^4 - 1
    EXPECT_EQ(extremes({-2, 0, 0, 0, 0}), (Texts{"0 max"}));   // -2x^4
    EXPECT_EQ(extremes({1, -4, 6, -4, 1}), (Texts{"1 min"}));  // (x - 1)^4
}

TEST(ExtremePoints, ADoubleRootOfYPrimeIsASaddle) {
    EXPECT_EQ(extremes({0, 1, 0, 0, 0}), Texts{});            // x^3
    EXPECT_EQ(extremes({0, 12, -6, 1, 5}), Texts{});          // y' = (6x - 1)^2
    EXPECT_EQ(extremes({1, -4, 0, 0, 0}), (Texts{"3 min"}));  // y' = 4x^2 (x - 3)
    EXPECT_EQ(extremes({-1, -4, 0, 0, 0}), (Texts{"-3 max"}));
    // Typed in decimals, whose binary rounding splits the double root into a pair or none.
    EXPECT_EQ(extremes({0, 0.7, -2.1, 2.1, 0}), Texts{});                // y' = 2,1(x - 1)^2
    EXPECT_EQ(extremes({0.3, -0.8, 0.6, 0, 0}), (Texts{"0 min"}));       // y' = 1,2x(x - 1)^2
    EXPECT_EQ(extremes({0.1, -0.4, 0.6, -0.4, 0.1}), (Texts{"1 min"}));  // 0,1(x - 1)^4
    // 12(x + 1)((x - 1)^2 + 1E-10): the solver shows the two complex roots as 1 twice.
    EXPECT_EQ(extremes({3, -4, -5.9999999994, 12.0000000012, 0}), (Texts{"-1 min"}));
}

// Two simple roots of y' are two sign changes however close they lie, even where both show the
// same x; each is labelled by the way y' changes sign, not by y'' at the shown x.
TEST(ExtremePoints, BothPointsOfAClosePair) {
    // y' = -567,9x^2 - 0,00477x: a maximum at 0, a minimum at -0,0000084.
    EXPECT_EQ(extremes({0, -189.3, -0.002385, 0, 859.5}), (Texts{"0,0000 max", "0,0000 min"}));
    // y' = 3(x - 1)(x - 1 - 1E-9), larger root first.
    EXPECT_EQ(extremes({0, 1, -3.0000000015, 3.000000003, 0}), (Texts{"1,0000 min", "1,0000 max"}));
    // y' = x(4x^2 + 3x + 0,00002): the quartic's pair 0 and -0,0000067 beside -0,75; the
    // shown x 0 is the same for both, y''(0) > 0 would call both a minimum.
    EXPECT_EQ(extremes({1, 1, 0.00001, 0, 0}), (Texts{"-0,75 min", "0 max", "0 min"}));
    // 12(x + 1)((x - 1)^2 - 1E-10): the pair 1 +- 0,00001, shown as 1 twice.
    EXPECT_EQ(extremes({3, -4, -6.0000000006, 11.9999999988, 0}),
              (Texts{"-1 min", "1 max", "1 min"}));
    EXPECT_EQ(extremes({-3, 4, 6.0000000006, -11.9999999988, 0}),
              (Texts{"-1 max", "1 min", "1 max"}));
}

TEST(ExtremePoints, EmptySlotsAndRootsWithoutAnyNonZeroEvenDerivative) {
    EXPECT_EQ(extremes({0, 1, 0, 1, 0}), Texts{});  // y' = 3x^2 + 1 has no real root
    Derivatives flat;                               // y'' and 24A both 0 at a root shown once
    const CriticalSlot slots[] = {{"", 0}, {"2", 2}};
    EXPECT_TRUE(extremePoints(slots, flat).empty());
}

TEST(InflectionPoints, OnlyWhereYSecondChangesSign) {
    EXPECT_EQ(inflections({1, 0, -5, 0, 4}), (Texts{"0,9129", "-0,9129"}));
    EXPECT_EQ(inflections({1, 0, 0, 0, -1}), Texts{});  // y'' = 12x^2
    EXPECT_EQ(inflections({1, -4, 6, 0, 0}), Texts{});  // y'' = 12x^2 - 24x + 12
    EXPECT_EQ(inflections({1, 0, 1, 0, 0}), Texts{});   // y'' = 12x^2 + 2 > 0
    // The saddle 0 of x^4 - 4x^3 is an inflection point with a horizontal tangent.
    EXPECT_EQ(inflections({1, -4, 0, 0, 0}), (Texts{"2,0000", "0,0000"}));
    // y'' = 1,2(x - 1)^2 typed in decimals: their binary rounding splits the double root.
    EXPECT_EQ(inflections({0.1, -0.4, 0.6, 0, 0}), Texts{});
}

TEST(InflectionPoints, BothPointsOfAClosePair) {
    // y'' = 6451,2x^2 + 0,01335x and -1254x^2 - 0,048144x: roots 0 and -0,0000021, -0,0000384.
    EXPECT_EQ(inflections({537.6, 0.002225, 0, 0.002706, 0.05926}), (Texts{"0,0000", "0,0000"}));
    EXPECT_EQ(inflections({-104.5, -0.008024, 0, 0.01542, 0}), (Texts{"0,0000", "0,0000"}));
    // y'' = 12(x - 1)(x - 1 - 1E-10).
    EXPECT_EQ(inflections({1, -4.0000000002, 6.0000000006, 0, 0}), (Texts{"1,0000", "1,0000"}));
}

}  // namespace
