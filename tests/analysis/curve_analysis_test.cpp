#include "analysis/curve_analysis.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "analysis/solvers.h"

using namespace analysis;
using Kind = RunStep::Kind;

namespace {

RunResult run(std::array<numtext::FieldValue, 5> coefficients, std::string p01x = "",
              SharedValues before = {}) {
    return runCurveAnalysis({std::move(coefficients), std::move(p01x), "-10", "10", before});
}

// What each field shows after the window has played the run back.
std::map<Field, std::string> shown(const RunResult& r) {
    std::map<Field, std::string> texts;
    for (const RunStep& s : r.steps)
        if (s.kind == Kind::Write) texts[s.field] = s.text;
    return texts;
}

// "X ; Y" of a row, and "X ; Y kind" of an extreme point.
std::string row(const std::map<Field, std::string>& t, Field x) {
    return t.at(x) + " ; " + t.at(static_cast<Field>(static_cast<int>(x) + 1));
}
std::string extreme(const std::map<Field, std::string>& t, int i) {
    const auto x = static_cast<Field>(static_cast<int>(Field::PE1X) + 2 * i);
    return row(t, x) + " " + t.at(static_cast<Field>(static_cast<int>(Field::MMPE1) + i));
}

Field lastWrite(const RunResult& r) {
    const auto it = std::find_if(r.steps.rbegin(), r.steps.rend(),
                                 [](const RunStep& s) { return s.kind == Kind::Write; });
    return it->field;
}

int count(const RunResult& r, Kind kind) {
    return static_cast<int>(std::count_if(r.steps.begin(), r.steps.end(),
                                          [kind](const RunStep& s) { return s.kind == kind; }));
}

TEST(CurveAnalysis, QuarticFirstPressProposesAZeroAndEndsAtTheMissingCubic) {
    const RunResult r = run({"1", "", "-5", "", "4"});
    const auto t = shown(r);
    EXPECT_EQ(t.at(Field::Fkt1), "1*(X)^4-5*(X)^2+4");
    EXPECT_EQ(t.at(Field::Fkt2), "+4*(X)^3-10*(X)");
    EXPECT_EQ(t.at(Field::P01X), "-2");
    EXPECT_EQ(t.at(Field::P01Y), "0");
    EXPECT_FALSE(t.contains(Field::Hilfsgleichung));
    // The message, then the curve through its button; the cubic solver gives no slots for the
    // auxiliary cubic, still all 0, and that ends the run before the curve would be drawn again.
    EXPECT_EQ(count(r, Kind::Message), 1);
    EXPECT_EQ(count(r, Kind::PressZ1), 1);
    EXPECT_EQ(count(r, Kind::DrawY), 0);
    EXPECT_EQ(r.failure, 5);
    EXPECT_EQ(r.steps.back().field, Field::P01Y);
    EXPECT_EQ(r.shared.hg.a, 0);
    EXPECT_EQ(r.shared.pi, Pi);
}

TEST(CurveAnalysis, QuarticSecondPressFillsThePanelInTheSolversOrder) {
    const RunResult r = run({"1", "", "-5", "", "4"}, "1");
    const auto t = shown(r);
    EXPECT_EQ(r.failure, 0);
    EXPECT_FALSE(t.contains(Field::P01X));  // the row P01 is the user's
    EXPECT_EQ(t.at(Field::Hilfsgleichung), "1*(X)^3+1*(X)^2-4*(X)-4");
    EXPECT_EQ(row(t, Field::P02X), "2 ; 0");
    EXPECT_EQ(row(t, Field::P03X), "-2 ; 0");
    EXPECT_EQ(row(t, Field::P04X), "-1 ; 0");
    EXPECT_EQ(extreme(t, 0), "1,5811 ; -2,2500 min");
    EXPECT_EQ(extreme(t, 1), "-1,5811 ; -2,2500 min");
    EXPECT_EQ(extreme(t, 2), "0 ; 4,0000 max");
    EXPECT_EQ(row(t, Field::PW1X), "0,9129 ; 0,5278");
    EXPECT_EQ(row(t, Field::PW2X), "-0,9129 ; 0,5278");
    EXPECT_EQ(row(t, Field::PYX), "0 ; 4");
    EXPECT_EQ(r.shared.koeff.c, -5);
    EXPECT_EQ(r.shared.abl.abl2.a, 12);
    EXPECT_EQ(r.shared.hg.d, -4);
    // All extreme-point values are written before the first label.
    std::vector<Field> order;
    for (const RunStep& s : r.steps)
        if (s.kind == Kind::Write && !s.text.empty()) order.push_back(s.field);
    const auto at = [&](Field f) {
        return std::find(order.begin(), order.end(), f) - order.begin();
    };
    EXPECT_LT(at(Field::PE3Y), at(Field::MMPE1));
    EXPECT_LT(at(Field::MMPE3), at(Field::PW1X));
    EXPECT_EQ(count(r, Kind::DrawY), 1);
}

TEST(CurveAnalysis, HashAtP01SkipsTheRemainingZeros) {
    const auto t = shown(run({"1", "", "", "", "1"}, "#"));
    EXPECT_EQ(t.at(Field::P02X), "");  // only as emptied
    EXPECT_EQ(t.at(Field::PE1X), "0");
    EXPECT_EQ(t.at(Field::PYY), "1");
}

TEST(CurveAnalysis, CubicQuadraticAndLinearCases) {
    auto t = shown(run({"", "1", "-3", "", ""}));
    EXPECT_EQ(row(t, Field::P01X), "3 ; 0");
    EXPECT_EQ(row(t, Field::P02X), "0 ; 0");
    EXPECT_EQ(row(t, Field::P03X), "0 ; 0");
    EXPECT_EQ(extreme(t, 0), "2,0000 ; -4,0000 min");
    EXPECT_EQ(extreme(t, 1), "0,0000 ; 0,0000 max");
    EXPECT_EQ(row(t, Field::PW1X), "1,0000 ; -2,0000");
    EXPECT_EQ(t.at(Field::PW2X), "");

    t = shown(run({"", "", "1", "-2", "2"}));
    EXPECT_EQ(row(t, Field::P01X), " ; ");  // the zero search's "#" is replaced
    EXPECT_EQ(extreme(t, 0), "1,0000 ; 1,0000 min");
    EXPECT_EQ(row(t, Field::PYX), "0 ; 2");

    t = shown(run({"", "", "", "2", "1"}));
    EXPECT_EQ(row(t, Field::P01X), "-0,5000 ; 0");
    EXPECT_EQ(row(t, Field::PYX), "0 ; 1");
    EXPECT_EQ(t.at(Field::PE1X), "");

    // Degree 0: P01 stays as the zero search left it.
    const RunResult constant = run({"", "", "", "", "5"});
    t = shown(constant);
    EXPECT_EQ(row(t, Field::P01X), "# ; ");
    EXPECT_EQ(row(t, Field::PYX), "0 ; 5");
    EXPECT_EQ(constant.shared.pi, 0);  // no cubic was solved
}

// The rows go on with the x their X text denotes, a root rounded to 15 significant digits, not
// with the solver's double: y there differs in the last decimal shown.
TEST(CurveAnalysis, PointsLieAtTheXTheRowsShow) {
    // y' = 3x^2 - 1601,4x + 0,4: QuadGlei's root 533,799750218442 (unrounded).
    auto t = shown(run({"", "1", "-800,7", "0,4", ""}));
    EXPECT_EQ(extreme(t, 0), "533,7998 ; -76050923,7160 min");
    // y'' = 12x^2 - 1343,4x + 0,4: the inflection point 111,949702247235.
    t = shown(run({"1", "-223,9", "0,2", "", ""}, "0"));
    EXPECT_EQ(row(t, Field::PW1X), "111,9497 ; -157067796,4344");
    // y' = 4x^2 (x - 100000000483): the root's 4 decimals are more than 15 digits.
    t = shown(run({"1", "-133333333977,33333", "", "", ""}, "0"));
    EXPECT_EQ(extreme(t, 0),
              "100000000483 ; -33333333977333400000000000000000000000000000,0000 min");
}

TEST(CurveAnalysis, AParabolaFarOutStillShowsItsVertex) {
    // The minimum of x^2 - 2E+100*x lies at 1E+100, where x^4 overflows: y of degree 2 leaves
    // out the term of A, which 0*x^4 would turn into an overflow.
    const RunResult r = run({"", "", "1", "-2E+100", ""});
    EXPECT_EQ(r.failure, 0);
    const auto t = shown(r);
    EXPECT_EQ(t.at(Field::PE1X), "1" + std::string(100, '0') + ",0000");
    EXPECT_EQ(t.at(Field::PE1Y), "-1" + std::string(200, '0') + ",0000");
    EXPECT_EQ(t.at(Field::MMPE1), "min");
}

TEST(CurveAnalysis, AFailureEndsTheRunWithWhatWasWritten) {
    // The solver of the zeros meets an overflow and gives no slots: the run ends where it asks
    // for them, with the zero search's P01 written and nothing after it.
    RunResult r = run({"", "", "1E-200", "-1E+100", ""});
    EXPECT_EQ(r.failure, 5);
    EXPECT_EQ(lastWrite(r), Field::P01Y);
    EXPECT_EQ(r.steps.back().kind, Kind::DrawY);
    EXPECT_EQ(shown(r).at(Field::PYX), "");  // only as emptied

    // Coefficients that make no sense stop the run before anything is computed or drawn.
    for (const auto& [coefficients, kind, text] :
         std::vector<std::tuple<std::array<numtext::FieldValue, 5>, Kind, std::string>>{
             {{"", "1-2", "", "", "3"}, Kind::Refusal, "Der Koeffizient B ist keine Zahl: „1-2“"},
             {{"1E310", "x", "", "", ""}, Kind::Refusal, "Der Koeffizient A ist zu groß: „1E310“"},
             {{"2", "", "", "", "1234567890123456789012345678901234567890x"},
              Kind::Refusal,
              "Der Koeffizient E ist keine Zahl: „123456789012345678901234567890…“"},
             {{"ä", "", "", "", ""}, Kind::Refusal, "Der Koeffizient A ist keine Zahl: „ä“"},
             {{"", "0", "0,0", "", "-0"},
              Kind::Message,
              "Alle Koeffizienten sind 0: Jede Zahl ist eine Nullstelle."}}) {
        r = run(coefficients, "");
        EXPECT_EQ(r.failure, 0);
        ASSERT_EQ(r.steps.back(), (RunStep{kind, Field::Fkt1, text}));
        for (std::size_t i = 0; i + 1 < r.steps.size(); ++i)
            EXPECT_EQ(r.steps[i].text, "");  // only emptied
    }

    // A domain that is no number fails the zero search after the terms.
    r = runCurveAnalysis({{"", "", "1", "", "-1"}, "", "-", "10", {}});
    EXPECT_EQ(r.failure, 13);
    EXPECT_EQ(shown(r).at(Field::Fkt1), "+1*(X)^2-1");
}

TEST(CurveAnalysis, DerivativeValuesKeepWhatAnOverflowLeft) {
    SharedValues before;
    before.abl.abl2 = {7, 7, 7};
    const RunResult r = run({"1", "1E+308", "", "", ""}, "#", before);
    // 3 * 1E+308 overflows: y' gets its A value, the rest stay as they were.
    EXPECT_EQ(r.shared.abl.abl1.a, 4);
    EXPECT_EQ(r.shared.abl.abl2.a, 7);
    EXPECT_FALSE(shown(r).contains(Field::Fkt2));
}

}  // namespace
