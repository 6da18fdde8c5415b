#include "analysis/simple_roots.h"

#include <gtest/gtest.h>

#include <limits>

#include "analysis/derivative_terms.h"

using namespace analysis;

namespace {

// y' and y'' as the run computes them from the typed coefficients.
Polynomial firstDerivative(const Polynomial& y) {
    Abl1 k;
    derive(y, k);
    return {0, k.a, k.b, k.c, k.d};
}
Polynomial secondDerivative(const Polynomial& y) {
    Abl1 k1;
    derive(y, k1);
    Abl2 k2;
    derive(k1, k2);
    return {0, 0, k2.a, k2.b, k2.c};
}

TEST(SimpleRealRoots, ADoubleRootOfTheTypedDecimalsStaysDouble) {
    // Each one's binary rounding leaves a discriminant above 0 in floating point.
    EXPECT_FALSE(simpleRealRootsOnly(firstDerivative({0, 0.7, -2.1, 2.1, 0})));   // 2,1(x - 1)^2
    EXPECT_FALSE(simpleRealRootsOnly(firstDerivative({0.3, -0.8, 0.6, 0, 0})));   // 1,2x(x - 1)^2
    EXPECT_FALSE(simpleRealRootsOnly(secondDerivative({0.1, -0.4, 0.6, 0, 0})));  // 1,2(x - 1)^2
    // (x - 1)^3 times 0,4.
    EXPECT_FALSE(simpleRealRootsOnly(firstDerivative({0.1, -0.4, 0.6, -0.4, 0.1})));
}

TEST(SimpleRealRoots, TwoRootsAreTwoHoweverCloseTheyLie) {
    EXPECT_TRUE(simpleRealRootsOnly({0, 0, 1, -2.000000000001, 1.000000000001}));  // 1, 1 + 1E-12
    EXPECT_FALSE(simpleRealRootsOnly({0, 0, 1, -2, 1.000000000001}));              // 1 +- 1E-6·i
    EXPECT_TRUE(simpleRealRootsOnly(firstDerivative({0, -189.3, -0.002385, 0, 859.5})));
    // 12(x + 1)(x^2 - 2x + 1 + e): three real roots for e = -1E-10, one for e = 1E-10.
    EXPECT_TRUE(simpleRealRootsOnly(firstDerivative({3, -4, -6.0000000006, 11.9999999988, 0})));
    EXPECT_FALSE(simpleRealRootsOnly(firstDerivative({3, -4, -5.9999999994, 12.0000000012, 0})));
    EXPECT_FALSE(simpleRealRootsOnly({0, 1, 0, 0, 0}));  // x^3
    EXPECT_FALSE(simpleRealRootsOnly({0, 1, 0, 1, 0}));  // x^3 + x: one real root
}

TEST(SimpleRealRoots, NumbersOfAnySizeAndOtherDegrees) {
    EXPECT_TRUE(simpleRealRootsOnly({0, 0, 1e-300, 0, -1e-300}));  // +-1
    EXPECT_FALSE(simpleRealRootsOnly({0, 0, 1e-300, -2e-300, 1e-300}));
    EXPECT_TRUE(simpleRealRootsOnly({0, 0, 1e300, 1e-300, 0}));            // 0 and -1E-600
    EXPECT_FALSE(simpleRealRootsOnly({0, 1e200, -3e200, 3e200, -1e200}));  // 1E+200(x - 1)^3
    EXPECT_TRUE(simpleRealRootsOnly({0, 0, 0, -5, 2}));
    EXPECT_FALSE(simpleRealRootsOnly({0, 0, 0, 0, 2}));
    EXPECT_FALSE(simpleRealRootsOnly({1, 0, -5, 0, 4}));  // degree 4 is not decided here
    EXPECT_FALSE(simpleRealRootsOnly({0, 0, 1, std::numeric_limits<double>::infinity(), 0}));
}

}  // namespace
