#include "terms/calculator.h"

#include <gtest/gtest.h>

#include "terms/pruefterm.h"

using terms::calculate;

namespace {

TEST(Calculator, ValuesAndTheValueInPointForm) {
    auto c = calculate("2(x)^2", "1,5");
    EXPECT_EQ(c.x, "1.5");
    EXPECT_EQ(c.result, "4,5");
    EXPECT_TRUE(c.focusTerm);
    EXPECT_FALSE(c.box);
    EXPECT_EQ(calculate("(PI)", "").result, "3,14159265358979");
    // The value goes in as text: an expression is evaluated as part of the term.
    EXPECT_EQ(calculate("(X)*2", "1-2").result, "-2");
}

TEST(Calculator, ReadsTheDecimalCommaOfTheTermsTheProgramWrites) {
    EXPECT_EQ(calculate("0,25*(X)^4-2*(X)^2", "2").result, "-4");
    EXPECT_EQ(calculate("2,5*3", "").result, "7,5");
    EXPECT_EQ(calculate(",5+2,", "").result, "2,5");
    auto c = calculate("-0,003*(X)^3+1,5", "-1,5");
    EXPECT_EQ(c.result, "1,510125");
    EXPECT_FALSE(c.box);
}

TEST(Calculator, Verdicts) {
    auto c = calculate("", "1");
    EXPECT_EQ(c.result, "Eingabefeld ist leer");
    EXPECT_FALSE(c.focusTerm);
    c = calculate("(2+3", "");
    EXPECT_EQ(c.result, terms::kKlammerpaare);
    EXPECT_FALSE(c.box);
    EXPECT_TRUE(c.focusTerm);
    for (const char* failing : {"1/0", "SQR(-1)", "2SIN((X))", "(X)"}) {
        c = calculate(failing, "");
        EXPECT_EQ(c.result, terms::kFormelFehler) << failing;
        EXPECT_FALSE(c.box) << failing;
        EXPECT_TRUE(c.focusTerm);
    }
    // The check knows no exponent letter, and no comma outside a number.
    EXPECT_EQ(calculate("2E3", "").box, "E");
    c = calculate("SIN(,)", "");
    EXPECT_EQ(c.box, ",");
    EXPECT_EQ(c.result, terms::kFormelFehler);
    // More brackets than the check's counter holds: its overflow, without a box.
    c = calculate(std::string(40000, '(') + std::string(40000, ')'), "");
    EXPECT_EQ(c.result, terms::kFormelFehler);
    EXPECT_FALSE(c.box);
}

}  // namespace
