#include <gtest/gtest.h>

#include "analysis/extreme_points.h"
#include "analysis/slot_roots.h"
#include "analysis/slots.h"
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
        for (const std::string& s :
             splitThree(KubGleiScaled(d.abl1.a, d.abl1.b, d.abl1.c, d.abl1.d)))
            slots.push_back({s, s.empty() ? 0 : numtext::parse(s)});
    } else {
        for (const std::string& s : splitTwo(QuadGlei(d.abl1.b, d.abl1.c, d.abl1.d))) {
            const double x = s.empty() ? 0 : numtext::parse(s);
            slots.push_back({s.empty() ? "" : numtext::formatFixed(x, 4), x});
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
    for (const std::string& s : splitTwo(QuadGlei(d.abl2.a, d.abl2.b, d.abl2.c)))
        shown.push_back(s.empty() ? "" : numtext::formatFixed(numtext::parse(s), 4));
    std::vector<std::string> out;
    for (std::size_t i : inflectionSlots(shown)) out.push_back(shown[i]);
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
}

}  // namespace
