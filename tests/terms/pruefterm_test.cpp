#include "terms/pruefterm.h"

#include <gtest/gtest.h>

#include "base/failure.h"

using namespace terms;

namespace {

void expectOK(std::string_view term) {
    Pruefung p = PruefTerm(term);
    EXPECT_EQ(p.verdict, kPruefOK) << term;
    EXPECT_FALSE(p.box) << term;
}

void expectFault(std::string_view term, std::string_view box) {
    Pruefung p = PruefTerm(term);
    EXPECT_EQ(p.verdict, kFormelFehler) << term;
    ASSERT_TRUE(p.box) << term;
    EXPECT_EQ(*p.box, box) << term;
}

}  // namespace

TEST(PruefTerm, AcceptsNumbersOperatorsAndTheElevenFunctions) {
    expectOK("2*(1.5)^2");
    expectOK("SGN(-3)*FIX(2.7)");
    expectOK("SIN(1)+COS(1)+TAN(1)+ATN(1)+SQR(1)+INT(1)+FIX(1)+ABS(1)+EXP(1)+LOG(1)+SGN(1)");
    expectOK("sin(1) + 2 / 3");  // upper-cased first; blanks are accepted
    expectOK(")2(");             // only the counts are compared
    expectOK("");
    expectOK("(X)");
}

TEST(PruefTerm, UnbalancedBracketsAreReportedWithoutABox) {
    Pruefung p = PruefTerm("(2+3");
    EXPECT_EQ(p.verdict, kKlammerpaare);
    EXPECT_FALSE(p.box);
    EXPECT_EQ(PruefTerm("2,5)").verdict, kKlammerpaare);  // counts come before the pieces
}

TEST(PruefTerm, LeftoverIsShownInTheBox) {
    expectFault("2,5*3", ",");
    expectFault("2*Y", "Y");
    expectFault("1E-05", "E");
    expectFault("SINX", "SINX");  // a name counts only with its bracket
    expectFault("(3.14159265358979)*PI", "PI");
    expectFault("2*(e)", "E");
    expectFault("1\r\n2", "\r\n");
    expectFault("ä*2", "Ä");  // upper case reaches the Latin-1 letters
    // The pieces go one after the other: removing "X" only as "(X)" leaves the X of "(X".
    expectFault("(X+1)", "X");
    // "S" + "SIN(" leaves "S(" after one scan, and the brackets go later: "S".
    expectFault("SSIN(1)", "S");
}

TEST(PruefTerm, MoreThan32767BracketsOfOneKindOverflowTheCounter) {
    std::string ok(32767, '(');
    ok += std::string(32767, ')');
    EXPECT_EQ(PruefTerm(ok).verdict, kPruefOK);
    try {
        PruefTerm(std::string(32768, '('));
        FAIL();
    } catch (const Failure& f) {
        EXPECT_EQ(f.number(), failure::Overflow);
    }
}

TEST(PruefTerm, UpperCaseLeavesOtherTextAlone) {
    EXPECT_EQ(upperCase("abc ÄÖÜ äöü ß ÷ 1,5"), "ABC ÄÖÜ ÄÖÜ ß ÷ 1,5");
}
