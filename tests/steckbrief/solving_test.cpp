// From conditions to equations, through Gauß's elimination to the polynomial, and the Probe of
// what each line means: the textbook cases with their exact answers and the ones that fail.
#include <gtest/gtest.h>

#include <limits>

#include "steckbrief/steckbrief.h"

namespace {

using exact::Rational;
using namespace steckbrief;
using Outcome = Solution::Outcome;

std::vector<std::string> texts(const std::vector<Rational>& numbers) {
    std::vector<std::string> t;
    for (const Rational& r : numbers) t.push_back(r.text());
    return t;
}

std::vector<Equation> equationsOfText(const std::string& text, int degree) {
    const Reading r = readConditions(text);
    EXPECT_FALSE(r.unreadableLine) << text;
    return equationsOf(r.conditions, degree);
}

Solution solved(const std::string& text, int degree) {
    return solve(equationsOfText(text, degree), degree);
}

std::vector<std::string> operations(const Solution& s) {
    std::vector<std::string> ops;
    for (const Step& step : s.steps) ops.push_back(step.operation);
    return ops;
}

// The reasons of the Probe, "" for a line that holds.
std::vector<std::string> reasons(const std::string& text, const std::vector<Rational>& byPower) {
    std::vector<std::string> all;
    for (const Check& c : check(readConditions(text).conditions, byPower))
        all.push_back(c.ok ? "" : c.reason);
    return all;
}

// In school order (a first, the highest power) each row starts right of the row above it; rows
// without any number left come last.
bool isStufenform(const std::vector<Equation>& rows) {
    int above = std::numeric_limits<int>::max();  // the power of the first number above
    for (const Equation& row : rows) {
        int first = static_cast<int>(row.factors.size()) - 1;
        while (first >= 0 && row.factors[first].isZero()) --first;
        if (first >= 0 && first >= above) return false;
        above = first;
    }
    return true;
}

TEST(SteckbriefEquations, DerivativesAsLinearFormsInSchoolNotation) {
    const auto e = equationsOfText("f'''(2) = 6\nf''(-1/2) = -3/2\nW(1|2)\nt(2): y = 3x - 1", 4);
    ASSERT_EQ(e.size(), 6u);
    EXPECT_EQ(texts(e[0].factors), (std::vector<std::string>{"0", "0", "0", "6", "48"}));
    EXPECT_EQ(e[0].origin, "f‴(2) = 6");
    EXPECT_EQ(texts(e[1].factors), (std::vector<std::string>{"0", "0", "2", "-3", "3"}));
    EXPECT_EQ(e[1].rhs.text(), "-3/2");
    EXPECT_EQ(e[1].origin, "f″(−1/2) = −3/2");
    EXPECT_EQ(texts(e[2].factors), (std::vector<std::string>{"1", "1", "1", "1", "1"}));
    EXPECT_EQ(e[2].origin, "f(1) = 2");
    EXPECT_EQ(texts(e[3].factors), (std::vector<std::string>{"0", "0", "2", "6", "12"}));
    EXPECT_EQ(e[3].origin, "f″(1) = 0");
    // The tangent's point and slope.
    EXPECT_EQ(texts(e[4].factors), (std::vector<std::string>{"1", "2", "4", "8", "16"}));
    EXPECT_EQ(e[4].origin, "f(2) = 5");
    EXPECT_EQ(texts(e[5].factors), (std::vector<std::string>{"0", "1", "4", "12", "32"}));
    EXPECT_EQ(e[5].origin, "f′(2) = 3");
    std::vector<int> lines;
    for (const Equation& equation : e) lines.push_back(equation.line);
    EXPECT_EQ(lines, (std::vector<int>{1, 2, 3, 3, 4, 4}));
}

TEST(SteckbriefEquations, SymmetriesSilenceCoefficientsByTheirLetters) {
    std::vector<std::string> origins;
    for (const Equation& e : equationsOfText("achsensymmetrisch", 4)) origins.push_back(e.origin);
    EXPECT_EQ(origins, (std::vector<std::string>{"b = 0", "d = 0"}));
    origins.clear();
    const auto odd = equationsOfText("\npunktsymmetrisch", 3);
    for (const Equation& e : odd) origins.push_back(e.origin);
    EXPECT_EQ(origins, (std::vector<std::string>{"b = 0", "d = 0"}));
    EXPECT_EQ(texts(odd[0].factors), (std::vector<std::string>{"0", "0", "1", "0"}));
    EXPECT_EQ(odd[1].line, 2);
    EXPECT_EQ(equationsOfText("punktsymmetrisch", 2).size(), 2u);  // a and c
}

TEST(SteckbriefSolve, UniqueSolutionWithTheStepsOfTheWay) {
    // c = 1 cannot lead the a column: the rows change places, as a student would swap them.
    const Solution s = solved("P(0|1)\nP(1|2)\nP(2|5)", 2);
    ASSERT_EQ(s.outcome, Outcome::Unique);
    EXPECT_EQ(texts(s.byPower), (std::vector<std::string>{"1", "0", "1"}));
    EXPECT_FALSE(s.lowerDegree);
    EXPECT_EQ(operations(s), (std::vector<std::string>{"I ↔ II", "III − 4 · I", "II ↔ III"}));
    ASSERT_EQ(s.stufenform.size(), 3u);
    EXPECT_EQ(texts(s.stufenform[1].factors), (std::vector<std::string>{"-3", "-2", "0"}));
    EXPECT_EQ(s.stufenform[1].origin, "f(2) = 5");  // rows keep where they came from
    EXPECT_TRUE(isStufenform(s.stufenform));

    // A fraction as multiplier is avoided by multiplying the row; common factors are divided out.
    const Solution classic = solved("H(1|4)\nT(3|0)", 3);
    EXPECT_EQ(operations(classic),
              (std::vector<std::string>{"II − 3 · I", "III − 27 · I", "III : 2", "IV − 27 · I",
                                        "III − 9 · II", "III : 2", "IV − 21 · II", "IV : 4",
                                        "3 · IV − 4 · III"}));
    EXPECT_TRUE(isStufenform(classic.stufenform));
    EXPECT_EQ(
        operations(solved("punktsymmetrisch\nH(-1|2)", 3)),
        (std::vector<std::string>{"I ↔ III", "IV + 3 · I", "II ↔ III", "IV − II", "III ↔ IV"}));

    // Conditions already in Stufenform need no step; more equations than unknowns are fine.
    EXPECT_TRUE(solved("f''(0) = 2\nf'(0) = 0\nf(0) = 1", 2).steps.empty());
    const Solution more = solved("P(0|0)\nP(1|1)\nP(2|4)\nP(3|9)\nP(-1|1)", 2);
    ASSERT_EQ(more.outcome, Outcome::Unique);
    EXPECT_EQ(texts(more.byPower), (std::vector<std::string>{"0", "0", "1"}));
    EXPECT_TRUE(isStufenform(more.stufenform));
}

TEST(SteckbriefSolve, LowerDegreeWhenTheLeadingCoefficientIsZero) {
    const Solution s = solved("P(0|0)\nP(1|1)\nP(2|2)", 2);
    ASSERT_EQ(s.outcome, Outcome::Unique);
    EXPECT_EQ(texts(s.byPower), (std::vector<std::string>{"0", "1", "0"}));
    EXPECT_TRUE(s.lowerDegree);
}

TEST(SteckbriefSolve, MissingConditionsAreCounted) {
    const Solution one = solved("H(1|4)", 3);
    EXPECT_EQ(one.outcome, Outcome::Underdetermined);
    EXPECT_EQ(one.missing, 2);
    EXPECT_TRUE(one.byPower.empty());
    EXPECT_EQ(solved("H(1|4)\nT(3|0)", 4).missing, 1);
    EXPECT_EQ(solved("", 2).missing, 3);
    // A line said twice counts once; so does what the symmetry already says.
    EXPECT_EQ(solved("P(1|2)\nP(1|2)\nN(0)", 2).missing, 1);
    EXPECT_EQ(solved("achsensymmetrisch\nH(0|1)\nP(1|2)", 4).missing, 1);
}

TEST(SteckbriefSolve, ContradictionsComeBeforeMissingConditions) {
    EXPECT_EQ(solved("P(0|1)\nP(0|2)", 3).outcome, Outcome::Inconsistent);
    EXPECT_EQ(solved("P(0|0)\nP(1|1)\nP(2|4)\nP(3|10)", 2).outcome, Outcome::Inconsistent);
    // f‴ of a quadratic is 0 everywhere.
    EXPECT_EQ(solved("f'''(0) = 6", 2).outcome, Outcome::Inconsistent);
    EXPECT_EQ(solved("f'''(0) = 0\nP(0|1)\nP(1|1)\nP(2|1)", 2).outcome, Outcome::Unique);
    EXPECT_EQ(solved("punktsymmetrisch\nP(0|1)", 3).outcome, Outcome::Inconsistent);
}

TEST(SteckbriefTextbook, ClassicTasksWithTheirExactAnswers) {
    const struct {
        std::string text;
        int degree;
        std::vector<std::string> byPower;
    } tasks[] = {
        {"H(1|4)\nT(3|0)", 3, {"0", "9", "-6", "1"}},
        {"S(0|0)\nP(1|2)", 3, {"0", "0", "0", "2"}},
        {"achsensymmetrisch\nP(0|2)\nT(1|0)", 4, {"2", "0", "-4", "0", "2"}},
        {"punktsymmetrisch\nH(−1|2)", 3, {"0", "-3", "0", "1"}},
        {"N(-1)\nN(3)\nP(1|-4)", 2, {"-3", "-2", "1"}},
        {"W(0|0)\nt(0): y = -x\nP(1|1/2)", 3, {"0", "-1", "0", "3/2"}},
        {"E(2|1)\nf''(2) = 1/2\nP(0|2)", 2, {"2", "-1", "1/4"}},
    };
    for (const auto& task : tasks) {
        SCOPED_TRACE(task.text);
        const Solution s = solved(task.text, task.degree);
        ASSERT_EQ(s.outcome, Outcome::Unique);
        EXPECT_EQ(texts(s.byPower), task.byPower);
        EXPECT_FALSE(s.lowerDegree);
        for (const std::string& reason : reasons(task.text, s.byPower)) EXPECT_EQ(reason, "");
    }
}

TEST(SteckbriefCheck, ThePointMustBeWhatTheLineNamesIt) {
    // x² has a Tiefpunkt at 0.
    const Solution square = solved("H(0|0)\nP(1|1)", 2);
    ASSERT_EQ(square.outcome, Outcome::Unique);
    EXPECT_EQ(reasons("H(0|0)\nP(1|1)", square.byPower),
              (std::vector<std::string>{"Bei x = 0 liegt ein Tiefpunkt, kein Hochpunkt.", ""}));
    const std::vector<Rational> cube{0, 0, 0, 1}, fourth{0, 0, 0, 0, 1};
    EXPECT_EQ(reasons("H(0|0)\nT(0|0)\nE(0|0)\nS(0|0)\nW(0|0)", cube),
              (std::vector<std::string>{
                  "Bei x = 0 liegt ein Sattelpunkt, kein Hochpunkt.",
                  "Bei x = 0 liegt ein Sattelpunkt, kein Tiefpunkt.",
                  "f′ wechselt bei x = 0 das Vorzeichen nicht: kein Extrempunkt.", "", ""}));
    // x⁴ is flat at 0, yet f′ changes its sign there and f″ does not.
    EXPECT_EQ(reasons("H(0|0)\nT(0|0)\nE(0|0)\nS(0|0)\nW(0|0)", fourth),
              (std::vector<std::string>{"Bei x = 0 liegt ein Tiefpunkt, kein Hochpunkt.", "", "",
                                        "Bei x = 0 liegt ein Tiefpunkt, kein Sattelpunkt.",
                                        "f″ wechselt bei x = 0 das Vorzeichen nicht: kein "
                                        "Wendepunkt."}));
    const std::vector<Rational> negative{0, 0, 0, 0, -1};
    EXPECT_EQ(reasons("H(0|0)\nT(0|0)\nS(0|0)", negative),
              (std::vector<std::string>{"", "Bei x = 0 liegt ein Hochpunkt, kein Tiefpunkt.",
                                        "Bei x = 0 liegt ein Hochpunkt, kein Sattelpunkt."}));
    // -(x - 1/2)³ + 1 at 1/2: a Sattelpunkt also where f falls.
    const std::vector<Rational> falling{Rational(9, 8), Rational(-3, 4), Rational(3, 2), -1};
    EXPECT_EQ(reasons("S(1/2|1)\nW(1/2|1)\nE(1/2|1)", falling),
              (std::vector<std::string>{
                  "", "", "f′ wechselt bei x = 1/2 das Vorzeichen nicht: kein Extrempunkt."}));
}

TEST(SteckbriefCheck, ConstantAndStraightPolynomials) {
    const Solution constant = solved("H(0|1)\nP(1|1)", 2);
    ASSERT_EQ(constant.outcome, Outcome::Unique);
    EXPECT_TRUE(constant.lowerDegree);
    EXPECT_EQ(reasons("H(0|1)\nT(2|1)\nE(-1|1)\nS(0|1)", constant.byPower),
              (std::vector<std::string>{
                  "f ist konstant: kein Hochpunkt.", "f ist konstant: kein Tiefpunkt.",
                  "f ist konstant: kein Extrempunkt.", "f ist konstant: kein Sattelpunkt."}));
    const Solution straight = solved("W(1|1)\nP(0|0)", 2);
    ASSERT_EQ(straight.outcome, Outcome::Unique);
    EXPECT_EQ(texts(straight.byPower), (std::vector<std::string>{"0", "1", "0"}));
    EXPECT_EQ(reasons("W(1|1)\nP(0|0)", straight.byPower),
              (std::vector<std::string>{"f″ ist überall 0: kein Wendepunkt.", ""}));
}

TEST(SteckbriefCheck, EquationsThatDoNotHoldSayWhatIsInstead) {
    // x² + 2
    const std::vector<Rational> f{2, 0, 1};
    EXPECT_EQ(reasons("P(1|4)\nH(1|3)\nachsensymmetrisch\npunktsymmetrisch\nt(1): y = 2x + 2\n"
                      "P(-1/2|-1)\nf'''(0) = 6\nN(0)\nT(0|2)",
                      f),
              (std::vector<std::string>{"f(1) = 3, nicht 4.", "f′(1) = 2, nicht 0.", "",
                                        "a = 1, nicht 0. c = 2, nicht 0.", "f(1) = 3, nicht 4.",
                                        "f(−1/2) = 9/4, nicht −1.", "f‴(0) = 0, nicht 6.",
                                        "f(0) = 2, nicht 0.", ""}));
    const auto checks = check(readConditions("\nP(1|3)\n\nH(1|3)").conditions, f);
    ASSERT_EQ(checks.size(), 2u);
    EXPECT_EQ(checks[0].line, 2);
    EXPECT_TRUE(checks[0].ok);
    EXPECT_EQ(checks[1].line, 4);
    EXPECT_FALSE(checks[1].ok);
}

}  // namespace
