#include "base/numtext.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/failure.h"

using namespace numtext;

namespace {

int failureOf(std::string_view text) {
    try {
        parse(text);
    } catch (const Failure& f) {
        return f.number();
    }
    return 0;
}

}  // namespace

TEST(NumberText, DefaultConversionUsesCommaAndPercentGExponents) {
    EXPECT_EQ(format(1.5), "1,5");
    EXPECT_EQ(format(-0.25), "-0,25");
    EXPECT_EQ(format(0.0001), "0,0001");
    EXPECT_EQ(format(0.00001), "1E-05");
    EXPECT_EQ(format(1e15), "1E+15");
    EXPECT_EQ(format(123456789012345.0), "123456789012345");
    EXPECT_EQ(format(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(format(-6.57279786153708e-13), "-6,57279786153708E-13");
    EXPECT_EQ(format(1e300), "1E+300");
    EXPECT_EQ(format(-0.0), "0");
    EXPECT_EQ(format(0.1 + 0.2), "0,3");
    EXPECT_EQ(formatForTerm(-2.5), "-2.5");
    EXPECT_THROW(format(INFINITY), Failure);
}

TEST(NumberText, PlainNotationNeverUsesAnExponent) {
    EXPECT_EQ(formatPlain(0.00001), "0,00001");
    EXPECT_EQ(formatPlain(-4e-05), "-0,00004");
    EXPECT_EQ(formatPlain(1e20), "100000000000000000000");
    EXPECT_EQ(formatPlain(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(formatPlain(-0.0), "0");
    EXPECT_EQ(formatPlain(12.5), "12,5");
}

TEST(NumberText, FixedDecimalsRoundHalvesAwayFromZeroWithoutNegativeZero) {
    EXPECT_EQ(formatFixed(1.5, 4), "1,5000");
    EXPECT_EQ(formatFixed(-0.25, 4), "-0,2500");
    EXPECT_EQ(formatFixed(0.00005, 4), "0,0001");
    EXPECT_EQ(formatFixed(-0.00005, 4), "-0,0001");
    EXPECT_EQ(formatFixed(-0.00004, 4), "0,0000");
    EXPECT_EQ(formatFixed(-0.0, 4), "0,0000");
    EXPECT_EQ(formatFixed(9.99995, 4), "10,0000");
    EXPECT_EQ(formatFixed(2.0 / 3, 14), "0,66666666666667");
    EXPECT_EQ(formatFixed(1e-20, 4), "0,0000");
    EXPECT_EQ(formatFixed(1234567.0, 0), "1234567");
}

TEST(NumberText, ThousandsPattern) {
    EXPECT_EQ(formatThousands(1), "1");
    EXPECT_EQ(formatThousands(1000), "1.000");
    EXPECT_EQ(formatThousands(10000), "10.000");
    EXPECT_EQ(formatThousands(1234567.5), "1.234.568");
    EXPECT_EQ(formatThousands(999.5), "1.000");
    EXPECT_EQ(formatThousands(-0.4), "0");
}

TEST(NumberText, ReadingGermanNotation) {
    EXPECT_EQ(parse("1,5"), 1.5);
    EXPECT_EQ(parse(" 1,5"), 1.5);
    EXPECT_EQ(parse("-2,5 "), -2.5);
    EXPECT_EQ(parse("+3"), 3);
    EXPECT_EQ(parse("1.000"), 1000);
    EXPECT_EQ(parse("1.000,5"), 1000.5);
    EXPECT_EQ(parse("2,"), 2);
    EXPECT_EQ(parse(",5"), 0.5);
    EXPECT_EQ(parse("-,5"), -0.5);
    EXPECT_EQ(parse("1E-05"), 1e-05);
    EXPECT_EQ(parse("1,5e3"), 1500);
    EXPECT_EQ(parse("1E-400"), 0);
    EXPECT_TRUE(std::signbit(parse("-0")));
    // Every sample of a curve reads back to the same value from its text.
    for (double x : {-6.57279786153708e-13, 0.004, 1.0 / 3, 1e300, -9.996})
        EXPECT_EQ(parse(format(x)), std::stod(formatForTerm(x)));
}

TEST(NumberText, APointGroupsThousandsOnlyInThreesElseItIsTheDecimalSeparator) {
    EXPECT_EQ(parse("0.25"), 0.25);
    EXPECT_EQ(parse("1.5"), 1.5);
    EXPECT_EQ(parse("1.000"), 1000);
    EXPECT_EQ(parse("1.000.000,5"), 1000000.5);
    EXPECT_EQ(parse("12.345.678,5"), 12345678.5);
    EXPECT_EQ(parse("12.34"), 12.34);
    EXPECT_EQ(parse("1.2345"), 1.2345);
    EXPECT_EQ(parse("-0.5"), -0.5);
    EXPECT_EQ(parse(",5"), 0.5);
    EXPECT_EQ(parse("1.000,25"), 1000.25);
    EXPECT_EQ(parse("0.500"), 0.5);  // no grouping starts with a 0
    EXPECT_EQ(parse(".5"), 0.5);
    EXPECT_EQ(parse("1234.5"), 1234.5);
    EXPECT_EQ(parse("1.5E3"), 1500);
    // A decimal point leaves no room for a comma or a second point.
    for (auto text : {"1.5,3", "1.2.3", "1.000.5", "1.00,5", "."})
        EXPECT_EQ(failureOf(text), failure::TypeMismatch) << text;
}

TEST(NumberText, RejectsWhatIsNotANumber) {
    for (auto text : {"", " ", "-", "+", ",", "#", "Pi", "1,2,3", "1,5.3", "1E", "1E+", "--1",
                      "1 2", "5-", "0x10", "inf", "nan"})
        EXPECT_EQ(failureOf(text), failure::TypeMismatch) << text;
    EXPECT_EQ(failureOf("1E+400"), failure::Overflow);
}

TEST(NumberText, IntegerConversionsAndRounding) {
    EXPECT_EQ(toInt32(4642.5), 4642);
    EXPECT_EQ(toInt32(3622.5), 3622);
    EXPECT_EQ(toInt32(3623.5), 3624);
    EXPECT_EQ(toInt32(-0.5), 0);
    EXPECT_EQ(toInt32(-1.5), -2);
    EXPECT_EQ(toInt32(2147483647.4), 2147483647);
    EXPECT_THROW(toInt32(2147483647.5), Failure);
    EXPECT_THROW(toInt32(NAN), Failure);
    EXPECT_EQ(toInt64(3e12 + 0.5), 3000000000000);
    EXPECT_EQ(roundTo(0.125, 2), 0.12);
    EXPECT_EQ(roundTo(0.375, 2), 0.38);
    EXPECT_EQ(roundTo(-1.23456, 4), -1.2346);
    EXPECT_EQ(roundTo(2.5, 0), 2);
}
