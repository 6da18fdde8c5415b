#include "terms/evaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "base/failure.h"

using namespace terms;

namespace {

// The failure number of evaluating the text, or 0.
int failureOf(std::string_view text) {
    try {
        evaluate(text);
    } catch (const Failure& f) {
        return f.number();
    }
    return 0;
}

}  // namespace

TEST(Evaluator, Precedence) {
    EXPECT_EQ(evaluate("2^3^2"), 64);
    EXPECT_EQ(evaluate("-2^2"), -4);
    EXPECT_EQ(evaluate("2^-2"), 0.25);
    EXPECT_EQ(evaluate("-2^-2"), -0.25);
    EXPECT_EQ(evaluate("2^-3^2"), 1.0 / 64);  // the sign belongs to the 3 alone
    EXPECT_EQ(evaluate("2^--2"), 4);
    EXPECT_EQ(evaluate("2+3*4"), 14);
    EXPECT_EQ(evaluate("2*3^2"), 18);
    EXPECT_EQ(evaluate("2*-3^2"), -18);
    EXPECT_EQ(evaluate("10-4-3"), 3);
    EXPECT_EQ(evaluate("64/4/2"), 8);
    EXPECT_EQ(evaluate("2-(-3)"), 5);
    EXPECT_EQ(evaluate("2--3"), 5);
    EXPECT_EQ(evaluate("+5-+2"), 3);
    EXPECT_EQ(evaluate("(2+3)*4"), 20);
    EXPECT_EQ(evaluate(" 2 *\t( 1.5 ) ^ 2 "), 4.5);
    EXPECT_EQ(evaluate("-(2)^2"), -4);
    EXPECT_EQ(evaluate("(-2)^2"), 4);
    EXPECT_EQ(evaluate("-2^2*3"), -12);
}

TEST(Evaluator, Functions) {
    EXPECT_EQ(evaluate("ABS(-2.5)"), 2.5);
    EXPECT_EQ(evaluate("SGN(-3)"), -1);
    EXPECT_EQ(evaluate("SGN(0)"), 0);
    EXPECT_EQ(evaluate("SGN(0.1)"), 1);
    EXPECT_EQ(evaluate("FIX(-3.76)"), -3);
    EXPECT_EQ(evaluate("INT(-12.3)"), -13);
    EXPECT_EQ(evaluate("INT(12.7)"), 12);
    EXPECT_EQ(evaluate("SQR(16)"), 4);
    EXPECT_EQ(evaluate("SIN(0.5)"), std::sin(0.5));
    EXPECT_EQ(evaluate("COS(0.5)"), std::cos(0.5));
    EXPECT_EQ(evaluate("TAN(0.5)"), std::tan(0.5));
    EXPECT_EQ(evaluate("ATN(1)"), std::atan(1.0));
    EXPECT_EQ(evaluate("LOG(10)"), std::log(10.0));
    EXPECT_EQ(evaluate("EXP(1)"), std::exp(1.0));
    EXPECT_EQ(evaluate("EXP(-1000)"), 0);
    EXPECT_EQ(evaluate("SIN (1)"), std::sin(1.0));
    EXPECT_EQ(evaluate("sqr(4)"), 2);
    EXPECT_EQ(evaluate("SQR(ABS(-16))+1"), 5);
    EXPECT_EQ(evaluate("-SQR(4)^3"), -8);  // a function call is an operand of ^
}

TEST(Evaluator, Powers) {
    EXPECT_EQ(evaluate("0^0"), 1);
    EXPECT_EQ(evaluate("0^2"), 0);
    EXPECT_EQ(evaluate("(-2)^3"), -8);
    EXPECT_EQ(evaluate("4^0.5"), 2);
    EXPECT_EQ(evaluate("1.1^2"), 1.1 * 1.1);
    EXPECT_EQ(evaluate("1.1^4"), std::pow(1.1, 4));
    EXPECT_EQ(evaluate("(-3)^4"), 81);
    EXPECT_EQ(failureOf("1E100^4"), 6);
    EXPECT_EQ(evaluate("1E-100^4"), 0);
    // Whole powers are multiplied out, but stay within one unit of the last place of pow's.
    const Program cube = compile("(X)^3");
    const Program fourth = compile("(X)^4");
    const Program dynamic = compile("(X)^(2+2)");
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-60, 60);
    int differ = 0;
    for (int i = 0; i < 100000; ++i) {
        double a = mantissa(gen) * std::pow(10.0, exponent(gen));
        for (auto [p, n] : {std::pair{&cube, 3}, std::pair{&fourth, 4}}) {
            double want = std::pow(a, n);
            double got = p->run(a);
            ASSERT_LE(std::fabs(got - want), std::fabs(want - std::nextafter(want, 0.0))) << a;
            differ += got != want;
        }
        ASSERT_EQ(dynamic.run(a), fourth.run(a));  // the same power whether written or worked out
    }
    EXPECT_LT(differ, 200);
}

TEST(Evaluator, Literals) {
    EXPECT_EQ(evaluate("2"), 2);
    EXPECT_EQ(evaluate("2.5"), 2.5);
    EXPECT_EQ(evaluate(".5"), 0.5);
    EXPECT_EQ(evaluate("2."), 2);
    EXPECT_EQ(evaluate("1E-05"), 1e-05);
    EXPECT_EQ(evaluate("2E3"), 2000);
    EXPECT_EQ(evaluate("1E+15"), 1e15);
    EXPECT_EQ(evaluate("-6.57279786153708E-13"), -6.57279786153708e-13);
    EXPECT_EQ(evaluate("(3.14159265358979)"), 3.14159265358979);
    EXPECT_EQ(evaluate("1E-400"), 0);  // too small is zero, not a failure
    EXPECT_EQ(evaluate(std::string(5000, '0') + "1.5"), 1.5);
}

TEST(Evaluator, FailureNumbers) {
    // 5: outside a function's domain
    EXPECT_EQ(failureOf("SQR(-1)"), 5);
    EXPECT_EQ(failureOf("LOG(0)"), 5);
    EXPECT_EQ(failureOf("LOG(-1)"), 5);
    EXPECT_EQ(failureOf("(-8)^(1/3)"), 5);
    // 11: division by zero
    EXPECT_EQ(failureOf("1/0"), 11);
    EXPECT_EQ(failureOf("0/0"), 11);
    EXPECT_EQ(failureOf("0^-1"), 11);
    EXPECT_EQ(failureOf("1/(2-2)"), 11);
    // 6: not finite
    EXPECT_EQ(failureOf("EXP(1000)"), 6);
    EXPECT_EQ(failureOf("1E308*10"), 6);
    EXPECT_EQ(failureOf("1E309"), 6);
    EXPECT_EQ(failureOf("10^400"), 6);
    EXPECT_EQ(failureOf("1E308+1E308"), 6);
    EXPECT_EQ(failureOf("-1E308-1E308"), 6);
    EXPECT_EQ(failureOf("1/1E-320"), 6);
    // 1002: syntax
    for (const char* text :
         {"(2+3", "2+3)",  "()",     "SIN()",   "2+",  "*2",    "2**3",  "",  "   ",
          "2 3",  "2(3)",  "(1)(2)", ")2(",     "2,5", "2#",    "1.2.3", ".", "2E",
          "2E+",  "SIN 2", "SIN",    "2SIN(1)", "2X",  "1\n+2", "2=2",   "-"})
        EXPECT_EQ(failureOf(text), 1002) << text;
    // 500: unknown names
    for (const char* text :
         {"Y", "2*Y", "X", "(X)", "PI", "(PI)", "E", "2*E", "SINX", "Y(2)", "SIN2(1)", "MOD"})
        EXPECT_EQ(failureOf(text), 500) << text;
    // 28: nesting
    EXPECT_EQ(failureOf(std::string(1000, '(') + "1" + std::string(1000, ')')), 0);
    EXPECT_EQ(failureOf(std::string(1001, '(') + "1" + std::string(1001, ')')), 28);
    std::string sines;
    for (int i = 0; i < 1001; ++i) sines += "SIN(";
    EXPECT_EQ(failureOf(sines + "1" + std::string(1001, ')')), 28);
}

TEST(Evaluator, TheFirstFaultFromTheLeftWins) {
    EXPECT_EQ(failureOf("1/0 + SQR(-1)"), 11);
    EXPECT_EQ(failureOf("SQR(-1) + 1/0"), 5);
    EXPECT_EQ(failureOf("1/0 + EXP(1000)"), 11);
    EXPECT_EQ(failureOf("EXP(1000)*0 + 1/0"), 6);
    // Faults of reading come before any working out, in the order they stand.
    EXPECT_EQ(failureOf("1/0 + Y"), 500);
    EXPECT_EQ(failureOf("1/0 + (2"), 1002);
    EXPECT_EQ(failureOf("Y + (2"), 500);
    EXPECT_EQ(failureOf("(2 + Y"), 500);
    EXPECT_EQ(failureOf("1E999 + Y"), 6);
    EXPECT_EQ(failureOf("Y + 1E999"), 500);
    EXPECT_EQ(failureOf("1/0 + 1E999"), 6);
    // Operands are worked out before their operator: 2^(1/0) fails on the division.
    EXPECT_EQ(failureOf("0^-(1/0)"), 11);
    EXPECT_EQ(failureOf("SQR(-1)^(1/0)"), 5);
}

TEST(Evaluator, AnyInputEndsQuickly) {
    EXPECT_EQ(failureOf(std::string(100000, '(')), 28);
    EXPECT_EQ(failureOf(std::string(100000, ')')), 1002);
    EXPECT_EQ(failureOf(std::string(1000000, '-') + "1"), 0);
    std::string sum = "1";
    for (int i = 0; i < 250000; ++i) sum += "+1";
    EXPECT_EQ(evaluate(sum), 250001);
    std::string deep;
    for (int i = 0; i < 1000; ++i) deep += "3^(";
    deep += "2" + std::string(1000, ')');
    EXPECT_EQ(failureOf(deep), 6);  // 3^(3^(..)) overflows, but nothing crashes
    std::string junk(1 << 20, 'A');
    EXPECT_EQ(failureOf(junk), 500);
}

TEST(Evaluator, EveryOperatorKeepsItsOperandsInOrder) {
    // Numbers and the variable on either side of each operator, and longer operands.
    struct Case {
        const char* term;
        double x;
        double value;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"7-(X)", 2, 5},          {"(X)-7", 2, -5},          {"8/(X)", 2, 4},
             {"(X)/8", 2, 0.25},       {"7+(X)", 2, 9},           {"(X)*7", 2, 14},
             {"(X)^3", 2, 8},          {"3^(X)", 2, 9},           {"(X)^(X)", 3, 27},
             {"(X)-(X)*2", 3, -3},     {"2-SIN(0)*(X)", 3, 2},    {"(X)-(1+1)", 3, 1},
             {"(1+1)-(X)", 3, -1},     {"12/(1+2)/(X)", 2, 2},    {"(X)/(1+1)/4", 16, 2},
             {"2^(X)^2", 3, 64},       {"-(X)^2", 3, -9},         {"(X)^-1", 4, 0.25},
             {"1-2-(X)-4", 1, -6},     {"(X)-1-(X)-1", 5, -2},    {"2*(3-SIN(0))", 0, 6},
             {"2*(3-SIN((X)))", 0, 6}, {"(X)*(X)-(X)/(X)", 2, 3}, {"100/(X)/(X)", 5, 4},
         }) {
        EXPECT_EQ(compile(c.term).run(c.x), c.value) << c.term;
    }
    auto failureAt = [](const char* term, double x) {
        try {
            compile(term).run(x);
        } catch (const Failure& f) {
            return f.number();
        }
        return 0;
    };
    EXPECT_EQ(failureAt("1/(X)", 0), 11);
    EXPECT_EQ(failureAt("(X)/0", 1), 11);
    EXPECT_EQ(failureAt("(X)/(X)", 0), 11);
    EXPECT_EQ(failureAt("(X)^-1", 0), 11);
    EXPECT_EQ(failureAt("(X)^0.5", -1), 5);
    EXPECT_EQ(failureAt("(X)*1E300", 1e10), 6);
    EXPECT_EQ(failureAt("1E300*(X)", 1e10), 6);
    EXPECT_EQ(failureAt("1E308-(X)", -1e308), 6);
    EXPECT_EQ(failureAt("(X)+1E308", 1e308), 6);
    EXPECT_EQ(failureAt("SQR(-1)+1/(X)", 0), 5);
    EXPECT_EQ(failureAt("1/(X)+SQR(-1)", 0), 11);
    EXPECT_EQ(failureAt("2/(SQR((X))-1)", 1), 11);
}

TEST(Evaluator, ProgramsFailEveryRunWithTheirReadingFault) {
    Program p = compile("(X)+(2");
    EXPECT_EQ(p.readFailure(), 1002);
    EXPECT_THROW(p.run(1), Failure);
    EXPECT_EQ(compile("(X)^2").readFailure(), 0);
    EXPECT_TRUE(compile("(X)^2").usesX());
    EXPECT_FALSE(compile("2^2").usesX());
    EXPECT_EQ(compile("(X)^2").run(3), 9);
    // Deep brackets need a large working stack.
    std::string deep;
    for (int i = 0; i < 999; ++i) deep += "1+(";
    deep += "(X)" + std::string(999, ')');
    EXPECT_EQ(compile(deep).run(1), 1000);
    EXPECT_EQ(compile("(" + deep + ")").readFailure(), 28);
}
