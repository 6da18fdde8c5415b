#include "terms/normterm.h"

#include "terms/functions.h"

#include <gtest/gtest.h>

using namespace terms;

TEST(NormTerm, EveryDigitAndBracketMeetsEveryInitialOfAFunction) {
    ASSERT_EQ(normRules().size(), 111u);
    for (char d = '0'; d <= '9'; ++d) {
        const std::string digit(1, d);
        EXPECT_EQ(NormTerm(digit + "("), digit + "*(");
        EXPECT_EQ(NormTerm(")" + digit), ")*" + digit);
        EXPECT_EQ(NormTermRechner(digit + "("), digit + "*(");
        for (const TermFunction& f : kFunctions) {
            const std::string name(f.name);
            EXPECT_EQ(NormTerm(digit + name + "(1)"), digit + "*" + name + "(1)");
            EXPECT_EQ(NormTerm(")" + name + "(1)"), ")*" + name + "(1)");
            // The calculator keeps a digit before a name, not a bracket before one.
            EXPECT_EQ(NormTermRechner(digit + name), digit + name);
            EXPECT_EQ(NormTermRechner(")" + name), ")*" + name);
        }
        // X, B and P begin no function: the variable is always written "(X)".
        for (const char* other : {"X", "B", "P"}) EXPECT_EQ(NormTerm(digit + other), digit + other);
    }
    EXPECT_EQ(NormTerm(")("), ")*(");
    EXPECT_EQ(NormTerm(")X"), ")X");
}

TEST(NormTerm, ImplicitProductsAndConstants) {
    EXPECT_EQ(NormTerm("2(X)"), "2*(X)");
    EXPECT_EQ(NormTerm("(X)(X)"), "(X)*(X)");
    EXPECT_EQ(NormTerm("(X)2"), "(X)*2");
    EXPECT_EQ(NormTerm("3SIN((X))"), "3*SIN((X))");
    EXPECT_EQ(NormTerm("(X)COS((X))"), "(X)*COS((X))");
    EXPECT_EQ(NormTerm("2(PI)"), "2*(3.14159265358979)");
    EXPECT_EQ(NormTerm("(E)^(X)"), "(2.71828182845905)^(X)");
    EXPECT_EQ(NormTerm("10(X)"), "10*(X)");
    EXPECT_EQ(NormTerm("(X)^4-5*(X)^2+4"), "(X)^4-5*(X)^2+4");
    EXPECT_EQ(NormTerm(""), "");
}

TEST(NormTerm, LaterRulesSeeWhatEarlierRulesWrote) {
    // The constant's digits meet the bracket rules: ")2" is written by no one, but "9)(" is.
    EXPECT_EQ(NormTerm("(PI)(E)"), "(3.14159265358979)*(2.71828182845905)");
    // "(E)" is replaced before the digit rules, so 2(E) gets its star from group 2.
    EXPECT_EQ(NormTerm("2(E)"), "2*(2.71828182845905)");
    // The product star of group 3 lands before a digit that group 6 then separates from a name.
    EXPECT_EQ(NormTerm("(X)2SIN((X))"), "(X)*2*SIN((X))");
    // A replacement is not scanned again by the same rule: "11((" needs only one star.
    EXPECT_EQ(NormTerm("11(("), "11*((");
    // Exponent notation falls apart in group 6, but not in the calculator's variant.
    EXPECT_EQ(NormTerm("2E3"), "2*E3");
    EXPECT_EQ(NormTermRechner("2E3"), "2E3");
    EXPECT_EQ(NormTermRechner("2SIN((1.5))"), "2SIN((1.5))");
    EXPECT_EQ(NormTermRechner("2(1.5)^2"), "2*(1.5)^2");
    EXPECT_EQ(NormTermRechner("(PI)"), "(3.14159265358979)");
    // Only upper case matches.
    EXPECT_EQ(NormTerm("(pi)2(e)"), "(pi)*2*(e)");
}

TEST(NormTerm, ReplaceAllScansOnceFromTheLeft) {
    EXPECT_EQ(replaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(replaceAll("abab", "ab", "abab"), "abababab");
    EXPECT_EQ(replaceAll("xyz", "q", "r"), "xyz");
}

TEST(NormTerm, HugeTextIsHandled) {
    std::string big;
    for (int i = 0; i < 200000; ++i) big += "2(X)";
    std::string out = NormTerm(big);
    EXPECT_EQ(out.size(), big.size() + 200000 + 199999);
    EXPECT_EQ(out.substr(0, 11), "2*(X)*2*(X)");
}
