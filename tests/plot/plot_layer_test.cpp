#include "plot/plot_layer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "plot/square.h"

namespace {

// Six pixels a character: close to the window's font, and easy to count with.
double sixPixelsAChar(const std::string& text) { return 90.0 * text.size(); }

plot::LayerView view(double xmin, double xmax, double ymin, double ymax, double dx, double dy) {
    const auto nullX = static_cast<std::int32_t>(plot::windowX(0, xmin, xmax) + 0.5);
    const auto nullY = static_cast<std::int32_t>(plot::kSquareTop +
                                                 plot::kSquareSide * ymax / (ymax - ymin) + 0.5);
    return {xmin, xmax, ymin, ymax, dx, dy, nullX, nullY, 0x000000, 0xFFFFFF, sixPixelsAChar};
}

std::vector<std::string> texts(const plot::Layer& layer) {
    std::vector<std::string> all;
    for (const plot::LayerText& t : layer.numbers) all.push_back(t.text);
    return all;
}

bool has(const std::vector<std::string>& all, const std::string& text) {
    return std::find(all.begin(), all.end(), text) != all.end();
}

bool insideTheSquare(const plot::Layer& layer) {
    const auto inside = [](double x, double y) {
        return x >= plot::kSquareLeft && x <= plot::kSquareRight && y >= plot::kSquareTop &&
               y <= plot::kSquareBottom;
    };
    return std::all_of(layer.ticks.begin(), layer.ticks.end(),
                       [&](const plot::LayerLine& l) {
                           return inside(l.x1, l.y1) && inside(l.x2, l.y2);
                       }) &&
           std::all_of(layer.numbers.begin(), layer.numbers.end(),
                       [&](const plot::LayerText& t) { return inside(t.x, t.y); });
}

TEST(AxisNumbersTest, TheDefaultViewNumbersEveryGridLineButZeroOnTheYAxis) {
    const plot::Layer layer = plot::axisNumbers(view(-10, 10, -10, 10, 1, 1));
    const auto all = texts(layer);
    for (int k = -9; k <= 9; ++k) EXPECT_TRUE(has(all, std::to_string(k))) << k;
    // 0 once; ±10 would stand half outside the square.
    EXPECT_EQ(std::count(all.begin(), all.end(), "0"), 1);
    EXPECT_FALSE(has(all, "10"));
    EXPECT_EQ(all.size(), 19u + 18u);
    EXPECT_EQ(layer.ticks.size(), 21u + 21u);
    EXPECT_TRUE(insideTheSquare(layer));
}

TEST(AxisNumbersTest, CrowdedNumbersThinOutToEvery2nd5thOr10th) {
    // 200 spacings across the square: ticks 35 twips apart thin to every 2nd, numbers to every
    // 10th, which the step of 1 writes without decimals.
    const plot::Layer tenths = plot::axisNumbers(view(-10, 10, -10, 10, 0.1, 0.1));
    const auto all = texts(tenths);
    EXPECT_TRUE(has(all, "5"));
    EXPECT_TRUE(has(all, "-5"));
    EXPECT_FALSE(has(all, "0,1"));
    EXPECT_FALSE(has(all, "0,2"));
    EXPECT_EQ(tenths.ticks.size(), 101u + 101u);
    // Wide numbers: "-10.000" needs 630 twips, so only every 20th of the spacings of 100.
    const plot::Layer thousands = plot::axisNumbers(view(-10000, 10000, -10, 10, 100, 1));
    EXPECT_TRUE(has(texts(thousands), "2.000"));
    EXPECT_FALSE(has(texts(thousands), "1.000"));
    for (const plot::Layer* layer : {&tenths, &thousands}) {
        // No two numbers on the x-axis closer than their own width.
        std::vector<const plot::LayerText*> row;
        for (const plot::LayerText& t : layer->numbers)
            if (t.anchor == plot::Anchor::Below) row.push_back(&t);
        std::sort(row.begin(), row.end(), [](auto* a, auto* b) { return a->x < b->x; });
        for (std::size_t i = 1; i < row.size(); ++i)
            EXPECT_GE(row[i]->x - row[i - 1]->x,
                      (sixPixelsAChar(row[i]->text) + sixPixelsAChar(row[i - 1]->text)) / 2);
        EXPECT_TRUE(insideTheSquare(*layer));
    }
}

TEST(AxisNumbersTest, AnAxisOutsideTheSquareHasItsNumbersAtTheEdge) {
    // y from 5 to 15: the x-axis lies below the square; x from 2 to 12: the y-axis left of it.
    const plot::Layer layer = plot::axisNumbers(view(2, 12, 5, 15, 1, 1));
    ASSERT_FALSE(layer.numbers.empty());
    for (const plot::LayerText& t : layer.numbers) {
        if (t.anchor == plot::Anchor::Above) {
            EXPECT_LT(t.y, plot::kSquareBottom);
        } else {
            EXPECT_EQ(t.anchor, plot::Anchor::Right);
            EXPECT_GT(t.x, plot::kSquareLeft);
        }
    }
    EXPECT_TRUE(has(texts(layer), "7"));
    EXPECT_TRUE(has(texts(layer), "10"));
    EXPECT_TRUE(insideTheSquare(layer));
}

TEST(AxisNumbersTest, NothingForRangesOrSpacingsThatMakeNoSense) {
    EXPECT_TRUE(plot::axisNumbers(view(10, -10, -10, 10, 1, 1)).numbers.empty());
    EXPECT_TRUE(plot::axisNumbers(view(-10, 10, -10, 10, 0, 1)).ticks.empty());
    EXPECT_TRUE(plot::axisNumbers(view(-10, 10, -10, 10, -1, 1)).ticks.empty());
    // A spacing far below a pixel: no ticks at all rather than a million.
    const plot::Layer dense = plot::axisNumbers(view(-1e9, 1e9, -10, 10, 1e-9, 1));
    EXPECT_LE(dense.ticks.size(), 400u);
    EXPECT_TRUE(insideTheSquare(dense));
}

TEST(AddMarksTest, PointsInsideTheSquareWithLabelsSharedOnOneSpot) {
    const plot::LayerView v = view(-10, 10, -10, 10, 1, 1);
    plot::Layer layer;
    plot::addMarks(layer, v,
                   {{0, 4, plot::Symbol::Square, "E3 max"},
                    {0, 4, plot::Symbol::Triangle, "Sy"},
                    {2, 0, plot::Symbol::Circle, "N1"},
                    {20, 0, plot::Symbol::Circle, "N2"},
                    {0, -11, plot::Symbol::Square, "E1 min"}});
    ASSERT_EQ(layer.marks.size(), 2u);
    EXPECT_EQ(layer.marks[0].label, "E3 max, Sy");
    EXPECT_EQ(layer.marks[0].symbol, plot::Symbol::Square);
    EXPECT_NEAR(layer.marks[1].x, plot::windowX(2, -10, 10), 1e-9);
    EXPECT_EQ(layer.marks[1].y, v.nullpunktY);
    plot::Layer none;
    plot::addMarks(none, view(-10, 10, -10, 10, 1, 1), {});
    EXPECT_TRUE(none.marks.empty());
}

}  // namespace
