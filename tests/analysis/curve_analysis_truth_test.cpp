// The analysis at the classic cases of a curve discussion, the panel as a person reads it after
// pressing the start button (twice for a quartic), against values worked out by hand and
// against a reference that uses none of the program's code.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <vector>

#include "judge.h"
#include "reference.h"
#include "run_panel.h"
#include "samples.h"

namespace {

using Coefficients = std::array<std::string, 5>;

std::string zeros(const Panel& p) {
    std::string s;
    for (int i = 0; i < 4; ++i) s += "(" + p.zeroX[i] + ";" + p.zeroY[i] + ")";
    return s;
}
std::string extremes(const Panel& p) {
    std::string s;
    for (int i = 0; i < 3; ++i)
        s += "(" + p.extremeX[i] + ";" + p.extremeY[i] + ")" + p.extremeKind[i];
    return s;
}
std::string inflections(const Panel& p) {
    return "(" + p.inflectionX[0] + ";" + p.inflectionY[0] + ")(" + p.inflectionX[1] + ";" +
           p.inflectionY[1] + ")";
}

TEST(CurveAnalysisTruth, AMinimumWithoutInflectionPoints) {
    // x^4 - 1: y' = 4x^3 has a triple root, y'' = 12x^2 touches 0 without changing sign.
    const Panel p = panelAfterRun({"1", "", "", "", "-1"});
    EXPECT_EQ(zeros(p), "(-1;0)(1;0)(;)(;)");
    EXPECT_EQ(extremes(p), "(0;-1,0000)min(;)(;)");
    EXPECT_EQ(inflections(p), "(;)(;)");
    EXPECT_TRUE(p.messages.empty());
}

TEST(CurveAnalysisTruth, ASaddleIsAnInflectionPointNotAnExtremePoint) {
    Panel p = panelAfterRun({"", "1", "", "", ""});  // x^3
    EXPECT_EQ(extremes(p), "(;)(;)(;)");
    EXPECT_EQ(inflections(p), "(0,0000;0,0000)(;)");
    p = panelAfterRun({"", "12", "-6", "1", "5"});  // y' = (6x - 1)^2
    EXPECT_EQ(zeros(p), "(-0,583;0)(;)(;)(;)");
    EXPECT_EQ(extremes(p), "(;)(;)(;)");
    EXPECT_EQ(inflections(p), "(0,1667;5,0556)(;)");
    // x(x - 1)^3: a saddle at 1 beside the minimum at 0,25; both roots of y'' are inflections.
    p = panelAfterRun({"1", "-3", "3", "-1", ""});
    EXPECT_EQ(extremes(p), "(0,25;-0,1055)min(;)(;)");
    EXPECT_EQ(inflections(p), "(1,0000;0,0000)(0,5000;-0,0625)");
}

TEST(CurveAnalysisTruth, DoubleZerosAreFound) {
    // (x^2 - 1)^2 never changes sign: the zero search finds -1 at the roots of y'.
    Panel p = panelAfterRun({"1", "", "-2", "", "1"});
    EXPECT_EQ(zeros(p), "(-1;0)(-1;0)(1;0)(1;0)");
    EXPECT_EQ(extremes(p), "(1;0,0000)min(-1;0,0000)min(0;1,0000)max");
    EXPECT_EQ(inflections(p), "(0,5774;0,4444)(-0,5774;0,4444)");
    // 0,25x^4 - 2x^2: the proposal -2,828427 is the rounded zero; dividing by the zero itself
    // leaves the double zero 0 clean, not as -0,0008 and 0,0008.
    p = panelAfterRun({"0,25", "", "-2", "", ""});
    EXPECT_EQ(zeros(p), "(-2,828427;0)(2,8284;0)(0;0)(0;0)");
    EXPECT_TRUE(p.messages.empty());
    // x^4 + 1 has none: "#", and the analysis goes on.
    p = panelAfterRun({"1", "", "", "", "1"});
    EXPECT_EQ(zeros(p), "(#;)(;)(;)(;)");
    EXPECT_EQ(extremes(p), "(0;1,0000)min(;)(;)");
}

TEST(CurveAnalysisTruth, P01IsCheckedBeforeTheDivision) {
    // The readout's 1,9 copied into P01: Newton's method leads to the zero 2, which replaces it.
    Panel p = panelAfterRun({"1", "", "-5", "", "4"}, "1,9");
    EXPECT_EQ(zeros(p), "(2;0)(1;0)(-2;0)(-1;0)");
    ASSERT_EQ(p.messages.size(), 1u);  // the second press finds the zero 2 standing
    EXPECT_EQ(p.messages[0],
              "1,9 ist keine Nullstelle der Grundfunktion.\r\n"
              "Die Berechnung wird mit der nahe gelegenen Nullstelle 2 fortgesetzt.");
    // A zero rounded by a person stays as typed.
    p = panelAfterRun({"1", "", "-5", "", "4"}, "-1,0000001");
    EXPECT_EQ(p.zeroX[0], "-1,0000001");
    EXPECT_EQ(zeros(p), "(-1,0000001;0)(2;0)(-2;0)(1;0)");
    EXPECT_TRUE(p.messages.empty());
    // No zero to be found from it: the run ends with the results empty and says so.
    p = panelAfterRun({"1", "", "", "", "1"}, "1");
    EXPECT_EQ(zeros(p), "(1;0)(;)(;)(;)");
    EXPECT_EQ(extremes(p), "(;)(;)(;)");
    EXPECT_EQ(p.interceptY, "");
    EXPECT_EQ(p.messages.at(0).substr(0, 43), "1 ist keine Nullstelle der Grundfunktion.\r\n");
    // "#" keeps its meaning: no division, no check.
    p = panelAfterRun({"1", "", "-5", "", "4"}, "#");
    EXPECT_EQ(zeros(p), "(#;0)(;)(;)(;)");
    EXPECT_TRUE(p.messages.empty());
}

// Two extreme points or two inflection points closer than the four decimals show: both are
// listed, the extreme points labelled by the way y' changes sign.
TEST(CurveAnalysisTruth, BothPointsOfAClosePair) {
    // A maximum at 0 and a minimum at -0,0000084.
    Panel p = panelAfterRun({"", "-189,3", "-0,002385", "", "859,5"});
    EXPECT_EQ(extremes(p), "(0,0000;859,5000)max(0,0000;859,5000)min(;)");
    EXPECT_EQ(inflections(p), "(0,0000;859,5000)(;)");
    // Inflection points at 0 and -0,0000021, and at 0 and -0,0000384.
    p = panelAfterRun({"537,6", "0,002225", "", "0,002706", "0,05926"});
    EXPECT_EQ(extremes(p), "(-0,0108;0,0592)min(;)(;)");
    EXPECT_EQ(inflections(p), "(0,0000;0,0593)(0,0000;0,0593)");
    p = panelAfterRun({"-104,5", "-0,008024", "", "0,01542", ""});
    EXPECT_EQ(extremes(p), "(0,0333;0,0004)max(;)(;)");
    EXPECT_EQ(inflections(p), "(0,0000;0,0000)(0,0000;0,0000)");
    // The quartic's pair -0,0000067 and 0, which its solver rounds to 0 twice.
    p = panelAfterRun({"1", "1", "0,00001", "", ""});
    EXPECT_EQ(extremes(p), "(-0,75;-0,1055)min(0;0,0000)max(0;0,0000)min");
    EXPECT_TRUE(p.messages.empty());
}

// Whether the rows show each of the points exactly once, with its x and y to four decimals and
// its kind. Rows of a close pair can show the same x, so each point takes a row of its own.
bool showsEach(const std::vector<std::string>& xs, const std::vector<std::string>& ys,
               const std::vector<std::string>& kinds, const std::vector<reference::Point>& points) {
    const auto number = [](std::string text) {
        for (char& c : text)
            if (c == ',') c = '.';
        return std::strtold(text.c_str(), nullptr);
    };
    const auto fourDecimals = [](long double shown, long double exact) {
        return std::fabs(shown - exact) <= 5e-5L + 1e-9L * (1 + std::fabs(exact));
    };
    std::vector<bool> taken(xs.size(), false);
    std::size_t rows = 0;
    for (const std::string& x : xs) rows += !x.empty();
    if (rows != points.size()) return false;
    for (const reference::Point& point : points) {
        bool found = false;
        for (std::size_t r = 0; r < xs.size() && !found; ++r) {
            found = !taken[r] && !xs[r].empty() && fourDecimals(number(xs[r]), point.x) &&
                    fourDecimals(number(ys[r]), point.y) &&
                    (kinds.empty() || kinds[r] == point.kind);
            taken[r] = taken[r] || found;
        }
        if (!found) return false;
    }
    return true;
}

// Quartics and cubics with a large leading coefficient and small other ones have pairs of
// extreme or inflection points near 0 far closer than 0,0001; each is checked against the
// reference.
TEST(CurveAnalysisTruth, ClosePairsNearZeroAgainstTheReference) {
    std::mt19937_64 rng(7);
    const auto draw = [&rng](long long lo, long long hi) {
        return lo + static_cast<long long>(rng() % static_cast<std::uint64_t>(hi - lo + 1));
    };
    const auto closePair = [](const std::vector<reference::Point>& points) {
        for (std::size_t i = 1; i < points.size(); ++i)
            if (points[i].x - points[i - 1].x < 1e-4L) return true;
        return false;
    };
    int checked = 0;
    while (checked < 150) {
        std::array<long long, 5> hundredths{};
        const int deg = static_cast<int>(draw(3, 4));
        hundredths[4 - deg] = draw(100, 999) * 100 * (draw(0, 1) ? 1 : -1);
        for (int power = deg - 1; power >= 0; --power)
            if (draw(0, 2) != 0) hundredths[4 - power] = draw(-99, 99);
        const reference::Expected expected = reference::expectedFor(hundredths);
        if (!expected.decided || !(closePair(expected.extremes) || closePair(expected.inflections)))
            continue;
        ++checked;
        Coefficients typed;
        for (int i = 0; i < 5; ++i) typed[i] = typedText(hundredths[i]);
        const Panel p = panelAfterRun(typed);
        const auto list = [](const auto& a) {
            return std::vector<std::string>(a.begin(), a.end());
        };
        EXPECT_TRUE(
            showsEach(list(p.extremeX), list(p.extremeY), list(p.extremeKind), expected.extremes))
            << typed[0] << " " << typed[1] << " " << typed[2] << " " << typed[3] << " " << typed[4]
            << ": " << extremes(p);
        EXPECT_TRUE(showsEach(list(p.inflectionX), list(p.inflectionY), {}, expected.inflections))
            << typed[0] << " " << typed[1] << " " << typed[2] << " " << typed[3] << " " << typed[4]
            << ": " << inflections(p);
    }
}

// y built from its roots, as exercises are, times a leading coefficient that keeps every
// coefficient a whole number of hundredths; checked value by value against the reference.
TEST(CurveAnalysisTruth, PolynomialsBuiltFromChosenRoots) {
    const std::vector<std::vector<double>> rootSets = {
        {1, 1},          {-2, 3},          {0.5, 0.5},      {1, 1, 1},        {0, 0, 2},
        {-1.5, 1, 2},    {2, 2, -1},       {1, 1, -1, -1},  {0, 0, 0, 2},     {1, 1, 1, -2},
        {-2, -1, 1, 2},  {0.5, 0.5, 2, 2}, {-1.5, 0, 0, 1}, {2.5, -1, -1, 3}, {-3, -3, 0.5, 4},
        {1.5, 1.5, 1.5}, {-0.5, 2, 2, 2}};
    for (const std::vector<double>& roots : rootSets) {
        // The product of (x - r), scaled by 2 for each half so that all stays in hundredths.
        std::vector<double> c = {1};  // highest power first
        double scale = 1;
        for (double r : roots) {
            std::vector<double> next(c.size() + 1, 0);
            for (std::size_t i = 0; i < c.size(); ++i) {
                next[i] += c[i];
                next[i + 1] -= c[i] * r;
            }
            c = next;
            if (r != static_cast<long long>(r)) scale *= 2;
        }
        std::array<long long, 5> hundredths{};
        const std::size_t offset = 5 - c.size();
        for (std::size_t i = 0; i < c.size(); ++i)
            hundredths[offset + i] = static_cast<long long>(c[i] * scale * 100);
        Coefficients typed;
        for (int i = 0; i < 5; ++i) typed[i] = typedText(hundredths[i]);
        const reference::Expected expected = reference::expectedFor(hundredths);
        ASSERT_TRUE(expected.decided);
        const Panel p = panelAfterRun(typed);
        const Verdict v = judge(p, expected);
        std::string causes;
        for (const std::string& cause : v.causes) causes += cause + "; ";
        EXPECT_TRUE(v.correct) << typed[0] << " " << typed[1] << " " << typed[2] << " " << typed[3]
                               << " " << typed[4] << ": " << causes << "\n"
                               << zeros(p) << extremes(p) << inflections(p);
    }
}

// The report's samples in small: every random polynomial and nearly every one of the exam kind
// is shown right; what stays wrong is a fourfold zero, which y cannot tell from 0 in double
// precision near it.
TEST(CurveAnalysisTruth, SamplesOfRandomAndExamPolynomials) {
    const auto share = [](const std::vector<Sample>& samples) {
        int correct = 0;
        for (const Sample& s : samples) {
            Coefficients typed;
            for (int i = 0; i < 5; ++i) typed[i] = typedText(s.hundredths[i]);
            correct += judge(panelAfterRun(typed), reference::expectedFor(s.hundredths)).correct;
        }
        return static_cast<double>(correct) / static_cast<double>(samples.size());
    };
    EXPECT_GE(share(randomSamples(2400, 20240611)), 0.999);
    EXPECT_GE(share(examSamples(400, 20240612)), 0.99);
}

}  // namespace
