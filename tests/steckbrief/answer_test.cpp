// What the window and its tests read of a Steckbrief: the result line, the check lines, and the
// coefficients as the main window's fields take them.
#include <gtest/gtest.h>

#include "exact/coefficients.h"
#include "steckbrief/answer.h"

namespace {

using exact::Rational;
using steckbrief::answer;

TEST(SteckbriefAnswer, ResultAndCheckLinesForEachOutcome) {
    const auto classic = answer("H(1|4)\nT(3|0)", 3);
    EXPECT_EQ(resultText(classic), "0 1 -6 9 0");
    EXPECT_EQ(checkText(classic), "1 ok\n2 ok");
    // Blank lines count: the check names the lines as the user numbers them.
    const auto fraction = answer("punktsymmetrisch\n\nH(-1|2/3)", 4);
    EXPECT_EQ(resultText(fraction), "0 1/3 0 -1 0");
    EXPECT_EQ(checkText(fraction), "1 ok\n3 ok");
    EXPECT_EQ(resultText(answer("H(1|4)\nT(3|0)", 4)), "underdetermined 1");
    EXPECT_EQ(checkText(answer("H(1|4)\nT(3|0)", 4)), "");
    EXPECT_EQ(resultText(answer("P(0|1)\nP(0|2)\nN(1)", 2)), "inconsistent");
    EXPECT_EQ(resultText(answer("H(1|4)\nHochpunkt bei 3", 3)), "unreadable 2");
    // x² has a Tiefpunkt where H stands.
    const auto wrongKind = answer("H(0|0)\nP(1|1)", 2);
    EXPECT_EQ(resultText(wrongKind), "0 0 1 0 0");
    EXPECT_EQ(checkText(wrongKind), "1 fails\n2 ok");
}

TEST(SteckbriefAnswer, FieldTextsReadBackAsTheFieldsReadThem) {
    EXPECT_EQ(steckbrief::fieldText(Rational(1, 4)), "0,25");
    EXPECT_EQ(steckbrief::fieldText(Rational(-3, 2)), "-1,5");
    EXPECT_EQ(steckbrief::fieldText(Rational(-6)), "-6");
    EXPECT_EQ(steckbrief::fieldText(Rational(0)), "0");
    EXPECT_EQ(steckbrief::fieldText(Rational(-1, 80)), "-0,0125");
    EXPECT_EQ(steckbrief::fieldText(Rational(1, 3)), "0,333333333333333");
    EXPECT_EQ(steckbrief::fieldText(Rational(-2, 3)), "-0,666666666666667");
    // A finite decimal comes back exactly; the fraction stands behind the others.
    for (const Rational& r : {Rational(7, 8), Rational(-123456789, 1000), Rational(5, 1024)}) {
        const auto read = exact::readCoefficient(steckbrief::fieldText(r));
        ASSERT_TRUE(std::holds_alternative<Rational>(read));
        EXPECT_EQ(std::get<Rational>(read), r);
    }
}

TEST(SteckbriefAnswer, ExactFractionsStandInForTheirFields) {
    const auto read =
        exact::readCoefficients({"", "0,333333333333333", "", "-1", "x"}, {"", "1/3", "", "", "0"});
    ASSERT_TRUE(std::holds_alternative<exact::Coefficients>(read));
    const auto& c = std::get<exact::Coefficients>(read);
    EXPECT_EQ(c[1], Rational(1, 3));
    EXPECT_EQ(c[3], Rational(-1));
    EXPECT_EQ(c[4], Rational(0));
    const auto broken = exact::readCoefficients({"", "", "", "", ""}, {"", "1/0", "", "", ""});
    ASSERT_TRUE(std::holds_alternative<exact::ReadError>(broken));
    EXPECT_EQ(std::get<exact::ReadError>(broken).field, 1);
}

}  // namespace
