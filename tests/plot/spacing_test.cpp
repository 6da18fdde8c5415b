#include "plot/spacing.h"

#include <gtest/gtest.h>

#include "base/failure.h"

namespace {

// The π names are spacings for the grid and the axis numbers, yet no number: the zoom and the
// pan, which read the spacing as a number, fail on them.
TEST(SpacingTest, PiNamesHaveAGridValueButNoNumber) {
    const struct {
        const char* text;
        int num, den;
        double value;
    } named[] = {{"Pi", 1, 1, 3.14159265358979},    {"Pi/2", 1, 2, 1.5707963267949},
                 {"Pi/3", 1, 3, 1.0471975511966},   {"Pi/4", 1, 4, 0.785398163397448},
                 {"Pi/6", 1, 6, 0.523598775598299}, {"2Pi", 2, 1, 6.28318530717959}};
    for (const auto& n : named) {
        const plot::Spacing s(n.text);
        EXPECT_EQ(s.pi.num, n.num) << n.text;
        EXPECT_EQ(s.pi.den, n.den) << n.text;
        EXPECT_EQ(plot::spacingValue(s), n.value) << n.text;
        EXPECT_FALSE(s.field.isNumber()) << n.text;
        EXPECT_THROW(s.field.number(), Failure) << n.text;
    }
}

TEST(SpacingTest, OtherTextsAreReadAsNumbers) {
    EXPECT_EQ(plot::spacingValue(plot::Spacing("0,5")), 0.5);
    EXPECT_EQ(plot::spacingValue(plot::Spacing("1E-3")), 0.001);
    EXPECT_EQ(plot::spacingValue(plot::Spacing("2,5E+1")), 25);
    EXPECT_FALSE(plot::Spacing("3,14159265358979").pi.isPi());  // π only by its name
    // Names are case-sensitive and whole; anything else that is no number fails the grid.
    for (const char* text : {"", ",", "pi", "PI", "Pi/5", "Pi/2 ", "1Pi", "-"}) {
        const plot::Spacing s(text);
        EXPECT_FALSE(s.pi.isPi()) << text;
        EXPECT_THROW(plot::spacingValue(s), Failure) << text;
    }
}

}  // namespace
