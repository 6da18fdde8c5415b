#include "analysis/derivative_terms.h"

#include <gtest/gtest.h>

using namespace analysis;

namespace {

TermResult build(const std::array<numtext::FieldValue, 5>& f, std::string_view p01 = "") {
    return BildeTerme(f, p01);
}

TEST(BildeTerme, TermsOfYAndDerivatives) {
    TermResult r = build({"1", "", "-2", "", "1"}, "#");
    EXPECT_EQ(r.fkt1, "1*(X)^4-2*(X)^2+1");
    EXPECT_EQ(r.fkt2, "+4*(X)^3-4*(X)");
    EXPECT_EQ(r.fkt3, "+12*(X)^2-4");
    EXPECT_EQ(r.fkt4, "+24*(X)");
    EXPECT_FALSE(r.hilfsgleichung);

    r = build({"", "2", "", "", "-3"});
    EXPECT_EQ(r.fkt1, "+2*(X)^3-3");
    EXPECT_EQ(r.fkt2, "+6*(X)^2");
    EXPECT_EQ(r.fkt3, "+12*(X)");
    EXPECT_EQ(r.fkt4, "+12");
    EXPECT_FALSE(r.proposeZero);

    EXPECT_EQ(build({"0,5", "", "", "", ""}).fkt1, "0,5*(X)^4");
    r = build({"", "", "", "", ""});
    ASSERT_TRUE(r.fkt4);
    EXPECT_EQ(*r.fkt1 + *r.fkt2 + *r.fkt3 + *r.fkt4, "");
}

TEST(BildeTerme, CoefficientsNeverInExponentForm) {
    TermResult r = build({"", "", "0,00001", "", "1E+20"});
    EXPECT_EQ(r.fkt1, "+0,00001*(X)^2+100000000000000000000");
    EXPECT_EQ(r.fkt2, "+0,00002*(X)");
    EXPECT_EQ(r.abl.abl1.c, 0.00002);
}

TEST(BildeTerme, DerivativesLevelByLevel) {
    TermResult r = build({"1,5", "-2", "3", "4", "5"}, "#");
    EXPECT_EQ(r.abl.abl1.a, 6);
    EXPECT_EQ(r.abl.abl1.b, -6);
    EXPECT_EQ(r.abl.abl1.c, 6);
    EXPECT_EQ(r.abl.abl1.d, 4);
    EXPECT_EQ(r.abl.abl2.a, 18);
    EXPECT_EQ(r.abl.abl2.b, -12);
    EXPECT_EQ(r.abl.abl2.c, 6);
    EXPECT_EQ(r.abl.abl3.a, 36);
    EXPECT_EQ(r.abl.abl3.b, -12);
}

TEST(BildeTerme, BadCoefficientStopsSilently) {
    const Derivatives before{{1, 2, 3, 4}, {5, 6, 7}, {8, 9}};
    TermResult r = BildeTerme({"2", "1-2", "3", "", ""}, "", before);
    EXPECT_EQ(r.koeff.a, 2);
    EXPECT_EQ(r.koeff.b, 0);
    EXPECT_EQ(r.koeff.c, 0);
    EXPECT_FALSE(r.fkt1);
    EXPECT_EQ(r.abl.abl1.a, 1);  // the derivatives of the last run stay
    EXPECT_EQ(r.abl.abl3.b, 9);

    // 3 * B overflows: y' is not written, 4 * A stands, the rest of the last run stays.
    r = BildeTerme({"1", "1E+308", "", "", ""}, "", before);
    EXPECT_EQ(*r.fkt1, "1*(X)^4+1" + std::string(308, '0') + "*(X)^3");
    EXPECT_EQ(r.abl.abl1.a, 4);
    EXPECT_EQ(r.abl.abl1.b, 2);
    EXPECT_FALSE(r.fkt2);
    EXPECT_FALSE(r.proposeZero);

    // y(P01) overflows: no zero is found from it, nothing is divided, no term.
    r = build({"1", "", "", "", ""}, "1E+300");
    EXPECT_EQ(r.hg.a, 0);
    EXPECT_EQ(r.p01->outcome, P01Check::Outcome::Reject);
    EXPECT_FALSE(r.hilfsgleichung);
}

TEST(BildeTerme, ZeroProposalForDegreeFour) {
    TermResult r = build({"1", "", "-5", "", "4"});
    EXPECT_TRUE(r.proposeZero);
    EXPECT_FALSE(r.hilfsgleichung);
    const std::string text = zeroProposalText();
    EXPECT_EQ(text.rfind("Das Programm schlägt Ihnen eine Nullstelle vor.\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\nExistiert keine Nullstelle, tragen Sie das Zeichen  #  ein!\r\n"),
              std::string::npos);
    EXPECT_NE(text.back(), '\n');
    int breaks = 0;
    for (std::size_t i = text.find("\r\n"); i != std::string::npos; i = text.find("\r\n", i + 1))
        ++breaks;
    EXPECT_EQ(breaks, 4);
}

TEST(BildeTerme, DivisionIntoAuxiliaryCubic) {
    TermResult r = build({"1", "", "", "", "-1"}, "1");
    EXPECT_EQ(r.hilfsgleichung, "1*(X)^3+1*(X)^2+1*(X)+1");

    r = build({"1", "", "-5", "", "4"}, "1");
    EXPECT_EQ(r.hilfsgleichung, "1*(X)^3+1*(X)^2-4*(X)-4");

    // 14 decimals: P01 = 1/3 as text leaves 1,2e-15 residues that the rounding removes.
    r = build({"3", "-1", "", "", ""}, "0,333333333333333");
    EXPECT_EQ(r.hg.b, 0);
    EXPECT_EQ(r.hilfsgleichung, "3*(X)^3");

    // No division below degree 4, and none for "#" or text that is not a number.
    EXPECT_FALSE(build({"", "1", "", "", ""}, "1").hilfsgleichung);
    EXPECT_FALSE(build({"1", "", "", "", ""}, "#").hilfsgleichung);
    EXPECT_FALSE(build({"1", "", "", "", ""}, "abc").hilfsgleichung);
    EXPECT_TRUE(build({"1", "", "", "", "-5,0625"}, " 1,5").hilfsgleichung);
    // A P01 that leads to no zero divides nothing; one that leads to another zero divides by it.
    r = build({"1", "", "", "", "1"}, "1");
    EXPECT_EQ(r.p01->outcome, P01Check::Outcome::Reject);
    EXPECT_FALSE(r.hilfsgleichung);
    r = build({"1", "", "-5", "", "4"}, "1,9");
    EXPECT_EQ(r.p01->outcome, P01Check::Outcome::Replace);
    EXPECT_EQ(r.hilfsgleichung, "1*(X)^3+2*(X)^2-1*(X)-2");
}

}  // namespace
