// Condition lines as students write them: every kind, the ways of writing numbers, and the line
// named when one cannot be read.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "steckbrief/steckbrief.h"

namespace {

using exact::Rational;
using steckbrief::Condition;
using steckbrief::readConditions;
using Kind = Condition::Kind;

struct Expected {
    Kind kind;
    std::string name;
    Rational x, y;
    int derivative = 0;
    Rational intercept = 0;
};

void expectConditions(const std::string& text, const std::vector<Expected>& expected) {
    SCOPED_TRACE(text);
    const steckbrief::Reading r = readConditions(text);
    ASSERT_FALSE(r.unreadableLine) << *r.unreadableLine;
    ASSERT_EQ(r.conditions.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Condition& c = r.conditions[i];
        const Expected& e = expected[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(c.kind, e.kind);
        EXPECT_EQ(c.name, e.name);
        EXPECT_EQ(c.derivative, e.derivative);
        EXPECT_EQ(c.x.text(), e.x.text());
        EXPECT_EQ(c.y.text(), e.y.text());
        EXPECT_EQ(c.intercept.text(), e.intercept.text());
    }
}

Rational numberOf(const std::string& text) {
    const steckbrief::Reading r = readConditions("f(0) = " + text);
    EXPECT_FALSE(r.unreadableLine) << text;
    return r.unreadableLine ? Rational(-999) : r.conditions[0].y;
}

TEST(SteckbriefReading, EveryKindOfLine) {
    expectConditions(
        "f(2) = 3\nf'(-1) = 0,5\nf''(0) = -7/4\nf'''(1,5) = 6\n"
        "P(1|2)\nP(-2;3)\nN(4)\nN(5|0)\nH(1|4)\nT(3|0)\nE(0|1)\nW(1|-2)\nS(0|0)\n"
        "t(2): y = 3x - 1\nachsensymmetrisch\npunktsymmetrisch",
        {{Kind::Value, "f", 2, 3},
         {Kind::Value, "f'", -1, Rational(1, 2), 1},
         {Kind::Value, "f''", 0, Rational(-7, 4), 2},
         {Kind::Value, "f'''", Rational(3, 2), 6, 3},
         {Kind::Point, "P", 1, 2},
         {Kind::Point, "P", -2, 3},
         {Kind::Zero, "N", 4, 0},
         {Kind::Zero, "N", 5, 0},
         {Kind::Maximum, "H", 1, 4},
         {Kind::Minimum, "T", 3, 0},
         {Kind::Extremum, "E", 0, 1},
         {Kind::Inflection, "W", 1, -2},
         {Kind::Saddle, "S", 0, 0},
         {Kind::Tangent, "t", 2, 3, 0, -1},
         {Kind::EvenSymmetry, "", 0, 0},
         {Kind::OddSymmetry, "", 0, 0}});
}

TEST(SteckbriefReading, NumbersInGermanDecimalsAndFractions) {
    EXPECT_EQ(numberOf("-1,5").text(), "-3/2");
    EXPECT_EQ(numberOf("0,25").text(), "1/4");
    EXPECT_EQ(numberOf(",5").text(), "1/2");
    EXPECT_EQ(numberOf("0.5").text(), "1/2");  // a typed point is the decimal separator
    EXPECT_EQ(numberOf("1.000").text(), "1000");
    EXPECT_EQ(numberOf("1E-3").text(), "1/1000");
    EXPECT_EQ(numberOf("2,5e2").text(), "250");
    EXPECT_EQ(numberOf("+2").text(), "2");
    EXPECT_EQ(numberOf("2/3").text(), "2/3");
    EXPECT_EQ(numberOf("-7/4").text(), "-7/4");
    EXPECT_EQ(numberOf("6/4").text(), "3/2");
    EXPECT_EQ(numberOf("1,5/2").text(), "3/4");
    EXPECT_EQ(numberOf("−3/2").text(), "-3/2");  // the typographic minus
    EXPECT_EQ(numberOf("– 2").text(), "-2");
    EXPECT_EQ(numberOf("1 000").text(), "1000");  // blanks matter nowhere
}

TEST(SteckbriefReading, TangentsWrittenInTheUsualWays) {
    const auto tangent = [](const Rational& x, const Rational& m, const Rational& b) {
        return Expected{Kind::Tangent, "t", x, m, 0, b};
    };
    expectConditions(
        "t(1): y = 3*x + 1\nt(1): y = 3·x - 1\nt(1): y = 2x\nt(1): y = 5\nt(1): y = x\n"
        "t(1): y = -x + 3\nt(-1/2): y = 4 + 1/2x\nt(0): y = −1,5x\nt(0): y = 2 - x\n"
        "t(0): y = 0\nt(0): y = x + 2x - 1",
        {tangent(1, 3, 1), tangent(1, 3, -1), tangent(1, 2, 0), tangent(1, 0, 5), tangent(1, 1, 0),
         tangent(1, -1, 3), tangent(Rational(-1, 2), Rational(1, 2), 4),
         tangent(0, Rational(-3, 2), 0), tangent(0, -1, 2), tangent(0, 0, 0), tangent(0, 3, -1)});
}

TEST(SteckbriefReading, IndicesPrimesBlanksAndLineNumbers) {
    expectConditions("H1(1|4)\n  W2 ( 0 | -1 )\nP₃(1;1)\nt2(0):y=x\nN12(3)",
                     {{Kind::Maximum, "H1", 1, 4},
                      {Kind::Inflection, "W2", 0, -1},
                      {Kind::Point, "P3", 1, 1},
                      {Kind::Tangent, "t2", 0, 1},
                      {Kind::Zero, "N12", 3, 0}});
    expectConditions("f′(1) = 0\nf″(1) = 0\nf‴(1) = 0\nf’(2) = 1\nf ' ' (3) = 1",
                     {{Kind::Value, "f'", 1, 0, 1},
                      {Kind::Value, "f''", 1, 0, 2},
                      {Kind::Value, "f'''", 1, 0, 3},
                      {Kind::Value, "f'", 2, 1, 1},
                      {Kind::Value, "f''", 3, 1, 2}});
    expectConditions("Achsensymmetrisch zur y-Achse\nPUNKTSYMMETRISCH zum Ursprung.\n",
                     {{Kind::EvenSymmetry, "", 0, 0}, {Kind::OddSymmetry, "", 0, 0}});

    // Blank lines are skipped but counted, with Windows line ends too.
    const steckbrief::Reading r = readConditions("\n \t\nP(1|2)\r\n\r\n\u00a0\nN(3)\n");
    ASSERT_EQ(r.conditions.size(), 2u);
    EXPECT_EQ(r.conditions[0].line, 3);
    EXPECT_EQ(r.conditions[1].line, 6);
    EXPECT_TRUE(readConditions("").conditions.empty());
    EXPECT_FALSE(readConditions("").unreadableLine);
}

TEST(SteckbriefReading, TheFirstUnreadableLineIsNamed) {
    for (const std::string bad : {"H(1)",
                                  "H(1|2|3)",
                                  "H(1|4",
                                  "H1|4)",
                                  "P(1,2)",
                                  "P(1/4)",
                                  "P(1|2)P(3|4)",
                                  "P(|2)",
                                  "N(2|1)",
                                  "Q(1|2)",
                                  "p(1|2)",
                                  "P(1/0|2)",
                                  "P(1/-2|2)",
                                  "P(1E5000|0)",
                                  "P(x|0)",
                                  "f''''(0) = 1",
                                  "f(1) = ",
                                  "f(x) = 2",
                                  "f(1) 2",
                                  "f(1) = 2|3",
                                  "g(1) = 2",
                                  "t(1) y = 2x",
                                  "t(1): y = 2x +",
                                  "t(1): y = 2*",
                                  "t(1): y = x2",
                                  "t(1): y = --x",
                                  "t(1): 2x + 1",
                                  "t: y = x",
                                  "achsensymmetrisch zu x = 1",
                                  "symmetrisch",
                                  "Hochpunkt bei 3",
                                  "H(1|4)%",
                                  "P(1|2)\xff",
                                  "W(\xe2\x82|0)"}) {
        const steckbrief::Reading r = readConditions("P(0|0)\n\n" + bad + "\nP(1|1)\nfoo");
        EXPECT_EQ(r.unreadableLine, 3) << bad;
    }
}

TEST(SteckbriefReading, AnyBytesAreReadWithoutHarm) {
    // Pieces of condition lines and stray bytes shuffled together: the reader answers each text
    // with a line that exists or with conditions in the order of their lines.
    static const std::vector<std::string> kPieces = {"P",     "H",    "T",
                                                     "W",     "S",    "N",
                                                     "E",     "t",    "f",
                                                     "'",     "′",    "(",
                                                     ")",     "|",    ";",
                                                     ":",     "=",    "y",
                                                     "x",     "-",    "+",
                                                     "*",     "/",    ",",
                                                     ".",     "0",    "1",
                                                     "7",     "E",    "e",
                                                     " ",     "\n",   "\xe2",
                                                     "\x82",  "\xff", "achsensymmetrisch",
                                                     "f(1)=", "P(1|", "9999999999999999999",
                                                     "1E999"};
    std::mt19937 rng(7);
    for (int n = 0; n < 3000; ++n) {
        std::string text;
        const int pieces = std::uniform_int_distribution<int>(0, 40)(rng);
        for (int i = 0; i < pieces; ++i)
            text += kPieces[std::uniform_int_distribution<std::size_t>(0, kPieces.size() - 1)(rng)];
        const steckbrief::Reading r = readConditions(text);
        const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        if (r.unreadableLine) {
            EXPECT_GE(*r.unreadableLine, 1) << text;
            EXPECT_LE(*r.unreadableLine, lines) << text;
            continue;
        }
        int previous = 0;
        for (const Condition& c : r.conditions) {
            EXPECT_GT(c.line, previous) << text;
            EXPECT_LE(c.line, lines) << text;
            previous = c.line;
        }
    }
}

}  // namespace
