#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "base/numtext.h"
#include "plot/plot_layer.h"
#include "plot/square.h"

namespace {

double sixPixelsAChar(const std::string& text) { return 90.0 * text.size(); }

// The view around (cx, cy) that a zoom by `factor` from the reset view shows, with the spacing the
// zoom writes into the fields.
plot::LayerView zoomed(double cx, double cy, double factor) {
    const double half = 10 / factor;
    const double xmin = cx - half, xmax = cx + half, ymin = cy - half, ymax = cy + half;
    const auto nullX = static_cast<std::int32_t>(std::lround(plot::windowX(0, xmin, xmax)));
    const auto nullY = static_cast<std::int32_t>(
        std::lround(plot::kSquareTop + plot::kSquareSide * ymax / (ymax - ymin)));
    return {xmin,  xmax,  ymin, ymax,     1 / factor,    1 / factor,
            nullX, nullY, 0,    0xFFFFFF, sixPixelsAChar};
}

std::vector<const plot::LayerText*> axis(const plot::Layer& layer, bool x) {
    std::vector<const plot::LayerText*> row;
    for (const plot::LayerText& t : layer.numbers)
        if (t.onXAxis == x) row.push_back(&t);
    std::sort(row.begin(), row.end(),
              [x](auto* a, auto* b) { return x ? a->x < b->x : a->y > b->y; });
    return row;
}

TEST(StepNumberTest, AsManyDecimalsAsTheStepNeeds) {
    EXPECT_EQ(plot::stepNumber(0.5, 0.5), "0,5");
    EXPECT_EQ(plot::stepNumber(1, 0.5), "1");
    EXPECT_EQ(plot::stepNumber(1.5, 0.5), "1,5");
    EXPECT_EQ(plot::stepNumber(-3, 1), "-3");
    EXPECT_EQ(plot::stepNumber(1000, 100), "1.000");
    EXPECT_EQ(plot::stepNumber(-1234567.5, 0.5), "-1.234.567,5");
    EXPECT_EQ(plot::stepNumber(0.03, 0.01), "0,03");
    EXPECT_EQ(plot::stepNumber(0.3, 0.1 * 3), "0,3");
    EXPECT_EQ(plot::stepNumber(0, 0.01), "0");
    EXPECT_EQ(plot::stepNumber(-0.0, 1), "0");
    // Below a thousandth, as deep zooms and spacings like "1E-05" give them.
    EXPECT_EQ(plot::stepNumber(1e-5, 1e-6), "0,00001");
    EXPECT_EQ(plot::stepNumber(-1e-5, 1e-6), "-0,00001");
    EXPECT_EQ(plot::stepNumber(0.333292, 2e-6), "0,333292");
    EXPECT_EQ(plot::stepNumber(0.3333, 2e-6), "0,3333");
    EXPECT_EQ(plot::stepNumber(400003 * 1e-6, 1e-6), "0,400003");
    EXPECT_EQ(plot::stepNumber(3 * 1e-7, 1e-7), "0,0000003");
    EXPECT_EQ(plot::stepNumber(1000.000001, 1e-6), "1.000,000001");
    EXPECT_EQ(plot::stepNumber(7 * 2.5e-5, 2.5e-5), "0,000175");
    EXPECT_EQ(plot::stepNumber(2e20, 1e20), "200.000.000.000.000.000.000");
}

TEST(AxisNumbersTest, NeighboursDifferAndOnlyTheAxisReadsZeroAtEveryZoom) {
    for (double factor = 1; factor <= 1e6; factor *= 10)
        for (const auto& [cx, cy] : {std::pair{0.0, 0.0}, {1.0 / 3, 2.0 / 3}, {-0.71, 0.05}}) {
            const plot::LayerView v = zoomed(cx, cy, factor);
            const plot::Layer layer = plot::axisNumbers(v);
            for (bool x : {true, false}) {
                const auto row = axis(layer, x);
                SCOPED_TRACE(testing::Message() << "factor " << factor << " at " << cx << ", " << cy
                                                << (x ? " x" : " y"));
                ASSERT_GE(row.size(), 3u);
                const double world = x ? v.xmax - v.xmin : v.ymax - v.ymin;
                for (std::size_t i = 0; i < row.size(); ++i) {
                    const plot::LayerText& t = *row[i];
                    // Each number names the place it stands at, to half a spacing.
                    const double at =
                        x ? v.xmin + world * (t.x - plot::kSquareLeft) / plot::kSquareSide
                          : v.ymax - world * (t.y - plot::kSquareTop) / plot::kSquareSide;
                    EXPECT_NEAR(numtext::parse(t.text), at, v.dx / 2) << t.text;
                    if (t.text == "0") {
                        EXPECT_NEAR(at, 0, v.dx / 2);
                    }
                    if (i > 0) {
                        EXPECT_NE(t.text, row[i - 1]->text);
                    }
                }
            }
        }
}

TEST(AxisNumbersTest, SpacingsInExponentFormAreNumberedInFull) {
    // x from 0 to 0,0002 with the spacing 1E-05, as the field holds it.
    const plot::LayerView v{0, 2e-4,     -10,           10, 1e-5, 1, plot::kSquareLeft, 4642,
                            0, 0xFFFFFF, sixPixelsAChar};
    const plot::Layer layer = plot::axisNumbers(v);
    std::vector<std::string> texts;
    for (const auto* t : axis(layer, true)) texts.push_back(t->text);
    // 350 twips apart, too close for "0,00012": every 2nd; 0 and 0,0002 would stand half outside.
    EXPECT_EQ(texts, (std::vector<std::string>{"0,00002", "0,00004", "0,00006", "0,00008", "0,0001",
                                               "0,00012", "0,00014", "0,00016", "0,00018"}));
}

TEST(PiNumbersTest, FractionsOfPiInLowestTerms) {
    EXPECT_EQ(plot::piSpacing("Pi/2").den, 2);
    EXPECT_EQ(plot::piSpacing("2Pi").num, 2);
    EXPECT_EQ(plot::piSpacing("Pi/6").den, 6);
    EXPECT_FALSE(plot::piSpacing("3,14").isPi());
    EXPECT_FALSE(plot::piSpacing("pi").isPi());
    const plot::PiSpacing half{1, 2};
    EXPECT_EQ(plot::piNumber(0, half), "0");
    EXPECT_EQ(plot::piNumber(1, half), "π/2");
    EXPECT_EQ(plot::piNumber(2, half), "π");
    EXPECT_EQ(plot::piNumber(3, half), "3π/2");
    EXPECT_EQ(plot::piNumber(4, half), "2π");
    EXPECT_EQ(plot::piNumber(-1, half), "-π/2");
    EXPECT_EQ(plot::piNumber(-2, half), "-π");
    EXPECT_EQ(plot::piNumber(4, {1, 6}), "2π/3");
    EXPECT_EQ(plot::piNumber(-3, {2, 1}), "-6π");
}

TEST(PiNumbersTest, APiAxisIsNumberedInMultiplesOfPiAndThinsToWholeFractions) {
    plot::LayerView v = zoomed(0, 0, 1);
    v.dx = 1.5707963267949, v.xPi = {1, 2};
    v.dy = 0.523598775598299, v.yPi = {1, 6};
    // Narrow texts, so that every π/2 finds room.
    v.textWidth = [](const std::string& text) { return 60.0 * text.size(); };
    const plot::Layer layer = plot::axisNumbers(v);
    std::vector<std::string> x, y;
    for (const auto* t : axis(layer, true)) x.push_back(t->text);
    for (const auto* t : axis(layer, false)) y.push_back(t->text);
    EXPECT_EQ(x, (std::vector<std::string>{"-3π", "-5π/2", "-2π", "-3π/2", "-π", "-π/2", "0", "π/2",
                                           "π", "3π/2", "2π", "5π/2", "3π"}));
    // π/6 is 183 twips: too close for numbers of 150 twips and a gap, so every 2nd, π/3.
    ASSERT_FALSE(y.empty());
    EXPECT_EQ(y.front(), "-3π");
    EXPECT_NE(std::find(y.begin(), y.end(), "π/3"), y.end());
    EXPECT_EQ(std::find(y.begin(), y.end(), "π/6"), y.end());
    EXPECT_EQ(std::find(y.begin(), y.end(), "5π/6"), y.end());
}

}  // namespace
