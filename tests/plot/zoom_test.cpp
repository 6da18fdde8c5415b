#include "plot/zoom.h"

#include <gtest/gtest.h>

#include "base/failure.h"

namespace {

const plot::Ranges initial{"-10", "10", "-10", "10"};

// The click position in twips for a world point of the view.
float twipsX(const plot::Ranges& r, double x) {
    const double x1 = r.ix1.number(), x2 = r.ix2.number();
    return static_cast<float>((x - x1) * 7005 / (x2 - x1));
}

TEST(ReadoutTest, DecimalsFollowTheZoomFactor) {
    EXPECT_EQ(plot::readout(initial, "1", 3502.5f, 3502.5f), "Po1( 0 ; 0 )");
    EXPECT_EQ(plot::readout(initial, "1", 0, 0), "Po1( -10 ; 10 )");
    EXPECT_EQ(plot::readout(initial, "1", 7005, 7005), "Po1( 10 ; -10 )");
    // 1 decimal at factor 1, 2 at 10, 4 at "1.000" (the point groups thousands).
    const float x = 4000, y = 1000;  // x = 1,4204..., y = 7,1448...
    EXPECT_EQ(plot::readout(initial, "1", x, y), "Po1( 1,4 ; 7,1 )");
    EXPECT_EQ(plot::readout(initial, "10", x, y), "Po1( 1,42 ; 7,14 )");
    EXPECT_EQ(plot::readout(initial, "1.000", x, y), "Po1( 1,4204 ; 7,1449 )");
}

TEST(ReadoutTest, FailsOnTextsThatAreNoNumbers) {
    EXPECT_THROW(plot::readout(initial, "0", 0, 0), Failure);
    EXPECT_THROW(plot::readout({"", "10", "-10", "10"}, "1", 0, 0), Failure);
    EXPECT_THROW(plot::readout({"-10", "10", "-", "10"}, "1", 0, 0), Failure);
}

TEST(ZoomTest, FirstZoomAroundAPoint) {
    // x = 1,26 and y = -3,44 in the initial view.
    const float x = static_cast<float>(11.26 * 7005 / 20),
                y = static_cast<float>(13.44 * 7005 / 20);
    const plot::ZoomStep z = plot::zoom(initial, "1", "1", x, y);
    EXPECT_EQ(z.caption, "Po1( 1,3 ; -3,4 )");
    EXPECT_FALSE(z.refused);
    EXPECT_EQ(z.xa, "0,1");
    EXPECT_EQ(z.ix1, "0,3");
    EXPECT_EQ(z.ix2, "2,3");
    EXPECT_EQ(z.ya, "0,1");
    EXPECT_EQ(z.iy1, "-4,4");
    EXPECT_EQ(z.iy2, "-2,4");
    EXPECT_EQ(z.factor, "10");
}

TEST(ZoomTest, SixZoomsAtTheCentreThenTheRefusal) {
    plot::Ranges r = initial;
    std::string xa = "1", ya = "1";
    const char* factors[] = {"10", "100", "1.000", "10.000", "100.000", "1.000.000"};
    for (const char* factor : factors) {
        const plot::ZoomStep z = plot::zoom(r, xa, ya, 3502.5f, 3502.5f);
        ASSERT_FALSE(z.refused) << factor;
        EXPECT_EQ(z.factor, factor);
        r = {z.ix1, z.ix2, z.iy1, z.iy2};
        xa = z.xa, ya = z.ya;
    }
    EXPECT_EQ(xa, "1E-06");
    EXPECT_EQ(r.ix1.text(), "-1E-05");
    const plot::ZoomStep refused = plot::zoom(r, xa, ya, 3502.5f, 3502.5f);
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(refused.caption, "Po1( 0 ; 0 )");
    EXPECT_TRUE(refused.ix1.empty());
}

TEST(ZoomTest, LimitAndSpacingsThatAreNoNumbers) {
    EXPECT_FALSE(plot::zoom(initial, "0,00001", "1", 0, 0).refused);
    EXPECT_TRUE(plot::zoom(initial, "0,000009", "1", 0, 0).refused);
    EXPECT_TRUE(plot::zoom(initial, "1", "0,000009", 0, 0).refused);
    EXPECT_THROW(plot::zoom(initial, "Pi", "1", 0, 0), Failure);
    EXPECT_THROW(plot::zoom(initial, "1", "Pi/2", 0, 0), Failure);
    EXPECT_THROW(plot::zoom(initial, "0", "1", 0, 0), Failure);
    // Large spacings: no decimals for the centre.
    const plot::ZoomStep z = plot::zoom(initial, "10", "5", twipsX(initial, 3.7), 3502.5f);
    EXPECT_EQ(z.caption, "Po1( 4 ; 0 )");
    EXPECT_EQ(z.ix1, "-6");
    EXPECT_EQ(z.iy2, "5");
    EXPECT_EQ(z.xa, "1");
    EXPECT_EQ(z.factor, "1");
}

TEST(ReadoutXTest, TheXValueWithItsBlank) {
    EXPECT_EQ(plot::readoutX("Po1( 1,5 ; 2,3 )"), " 1,5");
    EXPECT_EQ(plot::readoutX("Po1( -10 ; 10 )"), " -10");
    EXPECT_FALSE(plot::readoutX(""));
    EXPECT_FALSE(plot::readoutX("Po1("));
    EXPECT_FALSE(plot::readoutX("a;b"));
}

TEST(ZoomOutTest, UndoesZoomsUntilTheResetFactor) {
    plot::Ranges r = initial;
    std::string xa = "1", ya = "1", factor = "1";
    for (int i = 0; i < 2; ++i) {
        const plot::ZoomStep z = plot::zoom(r, xa, ya, 3502.5f, 3502.5f);
        r = {z.ix1, z.ix2, z.iy1, z.iy2};
        xa = z.xa, ya = z.ya, factor = z.factor;
    }
    ASSERT_EQ(factor, "100");
    const auto once = plot::zoomOut(r, xa, ya, factor, 3502.5f, 3502.5f);
    ASSERT_TRUE(once);
    EXPECT_EQ(once->factor, "10");
    EXPECT_EQ(once->xa, "0,1");
    EXPECT_EQ(once->ix1, "-1");
    EXPECT_EQ(once->iy2, "1");
    const auto twice = plot::zoomOut({once->ix1, once->ix2, once->iy1, once->iy2}, once->xa,
                                     once->ya, once->factor, 3502.5f, 3502.5f);
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->factor, "1");
    EXPECT_EQ(twice->ix1, "-10");
    EXPECT_EQ(twice->ix2, "10");
    EXPECT_FALSE(plot::zoomOut(initial, "1", "1", "1", 3502.5f, 3502.5f));
    EXPECT_THROW(plot::zoomOut(initial, "1", "1", "", 3502.5f, 3502.5f), Failure);
}

TEST(ZoomOutTest, AroundThePointerRoundedToOneDecimalMoreThanTheNewSpacing) {
    // At factor 10 around x = 0,37: spacings 1, the centre rounded to 1 - log10(1) decimals.
    const plot::Ranges r{"-1", "1", "-1", "1"};
    const auto z = plot::zoomOut(r, "0,1", "0,1", "10", twipsX(r, 0.37), 3502.5f);
    ASSERT_TRUE(z);
    EXPECT_EQ(z->caption, "Po1( 0,4 ; 0 )");
    EXPECT_EQ(z->ix1, "-9,6");
    EXPECT_EQ(z->ix2, "10,4");
    EXPECT_EQ(z->xa, "1");
}

TEST(PanTest, TheViewMovesAgainstThePointerRoundedAsAZoomRounds) {
    // A quarter of the square to the right and up: the view goes left by 5 and down by 5.
    const plot::PanStep p = plot::pan(initial, "1", 7005 / 4.0f, -7005 / 4.0f);
    EXPECT_EQ(p.ix1, "-15");
    EXPECT_EQ(p.ix2, "5");
    EXPECT_EQ(p.iy1, "-15");
    EXPECT_EQ(p.iy2, "5");
    // One pixel at spacing 0,1: 20 / 467 = 0,0428.. rounded to 2 decimals.
    const plot::PanStep small = plot::pan(initial, "0,1", -15, 0);
    EXPECT_EQ(small.ix1, "-9,96");
    EXPECT_EQ(small.iy1, "-10");
    EXPECT_THROW(plot::pan({"a", "10", "-10", "10"}, "1", 15, 15), Failure);
}

TEST(TraceReadoutTest, TheCurveOfYUnderThePointer) {
    // x = 1,42.. in the initial view: y = x^2 at the rounded x, to the factor's decimals.
    EXPECT_EQ(plot::traceReadout(initial, "1", "(X)^2", 4000), "Po1( 1,4 ; 2 )");
    EXPECT_EQ(plot::traceReadout(initial, "10", "(X)^2", 4000), "Po1( 1,42 ; 2,02 )");
    // The pair shown lies on the curve: y(1,4), not y(1,42).
    EXPECT_EQ(plot::traceReadout(initial, "1", "10*(X)", 4000), "Po1( 1,4 ; 14 )");
    EXPECT_EQ(plot::traceReadout(initial, "1", "1/(X)", 3502.5f), std::nullopt);
    EXPECT_EQ(plot::traceReadout(initial, "1", "SQR(X)", 0), std::nullopt);
    EXPECT_EQ(plot::traceReadout(initial, "1", "X+", 0), std::nullopt);
}

}  // namespace
