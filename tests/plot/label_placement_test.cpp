#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "plot/plot_layer.h"
#include "plot/square.h"

namespace {

double sixPixelsAChar(const std::string& text) { return 90.0 * text.size(); }

plot::LayerView view(double xmin, double xmax, double ymin, double ymax) {
    const auto nullX = static_cast<std::int32_t>(std::lround(plot::windowX(0, xmin, xmax)));
    const auto nullY = static_cast<std::int32_t>(
        std::lround(plot::kSquareTop + plot::kSquareSide * ymax / (ymax - ymin)));
    return {xmin, xmax, ymin, ymax, 1, 1, nullX, nullY, 0, 0xFFFFFF, sixPixelsAChar};
}

bool overlap(const plot::Box& a, const plot::Box& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

plot::Box symbolOf(const plot::LayerMark& m) {
    return {m.x - plot::kSymbolRadius, m.y - plot::kSymbolRadius, 2 * plot::kSymbolRadius,
            2 * plot::kSymbolRadius};
}

// Whether the curve, sampled finely, passes through the box.
bool onCurve(const plot::Box& b, const plot::LayerView& v, const std::function<double(double)>& f) {
    for (double at = b.left; at <= b.right(); at += 1) {
        const double x = v.xmin + (v.xmax - v.xmin) * (at - plot::kSquareLeft) / plot::kSquareSide;
        const double y = plot::windowY(f(x), v.nullpunktY, v.ymin, v.ymax);
        if (y > b.top && y < b.bottom()) return true;
    }
    return false;
}

// What every picture must keep: one label a mark, inside the square, on whole pixels, clear of
// each other and of every other symbol.
void expectReadable(const plot::Layer& layer) {
    for (std::size_t i = 0; i < layer.marks.size(); ++i) {
        const plot::LayerMark& m = layer.marks[i];
        SCOPED_TRACE(m.label);
        EXPECT_GT(m.box.left, plot::kSquareLeft);
        EXPECT_LT(m.box.right(), plot::kSquareRight);
        EXPECT_GT(m.box.top, plot::kSquareTop);
        EXPECT_LT(m.box.bottom(), plot::kSquareBottom);
        EXPECT_EQ(std::fmod(m.box.left - plot::kSquareLeft, plot::kTwipsPerPixel), 0);
        EXPECT_EQ(std::fmod(m.box.top - plot::kSquareTop, plot::kTwipsPerPixel), 0);
        EXPECT_GE(m.box.width, sixPixelsAChar(m.label));
        for (std::size_t j = 0; j < layer.marks.size(); ++j) {
            EXPECT_FALSE(overlap(m.box, symbolOf(layer.marks[j]))) << layer.marks[j].label;
            if (j != i) {
                EXPECT_FALSE(overlap(m.box, layer.marks[j].box)) << layer.marks[j].label;
            }
        }
    }
}

struct Case {
    const char* name;
    std::function<double(double)> f;
    std::vector<plot::WorldMark> points;  // as the result panel lists them
};

std::vector<Case> theFourCurves() {
    using plot::Symbol;
    return {
        {"(x^2 - 1)^2",
         [](double x) { return (x * x - 1) * (x * x - 1); },
         {{1, 0, Symbol::Circle, "N1, N2"},
          {-1, 0, Symbol::Circle, "N3, N4"},
          {1, 0, Symbol::Square, "E1 min"},
          {-1, 0, Symbol::Square, "E2 min"},
          {0, 1, Symbol::Square, "E3 max"},
          {0.5774, 0.4444, Symbol::Diamond, "W1"},
          {-0.5774, 0.4444, Symbol::Diamond, "W2"},
          {0, 1, Symbol::Triangle, "Sy"}}},
        {"0,25x^4 - 2x^2",
         [](double x) { return 0.25 * x * x * x * x - 2 * x * x; },
         {{0, 0, Symbol::Circle, "N1, N4"},
          {2.8284, 0, Symbol::Circle, "N2"},
          {-2.8284, 0, Symbol::Circle, "N3"},
          {2, -4, Symbol::Square, "E1 min"},
          {-2, -4, Symbol::Square, "E2 min"},
          {0, 0, Symbol::Square, "E3 max"},
          {1.1547, -2.2222, Symbol::Diamond, "W1"},
          {-1.1547, -2.2222, Symbol::Diamond, "W2"},
          {0, 0, Symbol::Triangle, "Sy"}}},
        {"2x^4 - 3x^2 + x",
         [](double x) { return 2 * x * x * x * x - 3 * x * x + x; },
         {{0, 0, Symbol::Circle, "N1"},
          {1, 0, Symbol::Circle, "N2"},
          {-1.366, 0, Symbol::Circle, "N3"},
          {0.366, 0, Symbol::Circle, "N4"},
          {0.7071, -0.2322, Symbol::Square, "E1 min"},
          {-1.0, -2.0, Symbol::Square, "E2 min"},
          {0.1768, 0.0884, Symbol::Square, "E3 max"},
          {0.5, -0.125, Symbol::Diamond, "W1"},
          {-0.5, -0.875, Symbol::Diamond, "W2"},
          {0, 0, Symbol::Triangle, "Sy"}}},
        {"x^3 - 6x^2 + 9x",
         [](double x) { return x * x * x - 6 * x * x + 9 * x; },
         {{0, 0, Symbol::Circle, "N1"},
          {3, 0, Symbol::Circle, "N2, N3"},
          {3, 0, Symbol::Square, "E1 min"},
          {1, 4, Symbol::Square, "E2 max"},
          {2, 2, Symbol::Diamond, "W1"},
          {0, 0, Symbol::Triangle, "Sy"}}},
    };
}

TEST(LabelPlacementTest, PointsOnOneSpotShareOneMarkAndOneLabelWithEveryName) {
    const plot::LayerView v = view(-10, 10, -10, 10);
    plot::Layer layer;
    plot::addMarks(layer, v,
                   {{1, 0, plot::Symbol::Circle, "N2, N3"},
                    {1.01, 0, plot::Symbol::Square, "E1 min"},
                    {2, 0, plot::Symbol::Circle, "N4"},
                    {20, 0, plot::Symbol::Circle, "N5"}});
    ASSERT_EQ(layer.marks.size(), 2u);
    EXPECT_EQ(layer.marks[0].label, "N2, N3, E1 min");
    EXPECT_EQ(layer.marks[0].symbol, plot::Symbol::Circle);
    EXPECT_EQ(layer.marks[1].label, "N4");
    EXPECT_EQ(layer.marks[1].y, v.nullpunktY);
    // Apart by more than a pixel, they are two marks.
    plot::Layer near;
    plot::addMarks(near, v,
                   {{1, 0, plot::Symbol::Circle, "N1"}, {1.1, 0, plot::Symbol::Square, "E1"}});
    EXPECT_EQ(near.marks.size(), 2u);
    expectReadable(near);
    plot::Layer none;
    plot::addMarks(none, v, {});
    EXPECT_TRUE(none.marks.empty());
}

TEST(LabelPlacementTest, TheFirstFreePlaceAroundThePoint) {
    const plot::LayerView v = view(-10, 10, -10, 10);
    const auto place = [&](std::vector<plot::WorldMark> points,
                           const std::function<double(double)>& f) {
        plot::Layer layer;
        plot::addMarks(layer, v, points,
                       f ? plot::curveInTwips(v, f) : std::vector<plot::TwipPoint>{});
        return layer.marks;
    };
    // Alone: to the upper right.
    const auto alone = place({{2, 3, plot::Symbol::Square, "E1 max"}}, nullptr);
    ASSERT_EQ(alone.size(), 1u);
    EXPECT_GT(alone[0].box.left, alone[0].x);
    EXPECT_LT(alone[0].box.bottom(), alone[0].y);
    // A rising line runs through the upper right: upper left.
    const auto rising = place({{2, 2, plot::Symbol::Diamond, "W1"}}, [](double x) { return x; });
    EXPECT_LT(rising[0].box.right(), rising[0].x);
    EXPECT_LT(rising[0].box.bottom(), rising[0].y);
    // At the square's upper right corner the label turns inwards.
    const auto corner = place({{9.9, 9.9, plot::Symbol::Circle, "N1"}}, nullptr);
    EXPECT_LT(corner[0].box.right(), corner[0].x);
    EXPECT_GT(corner[0].box.top, corner[0].y);
    // A second label does not take the place of the first.
    const auto two = place(
        {{0, 5, plot::Symbol::Square, "E1 max"}, {0.6, 5, plot::Symbol::Diamond, "W1"}}, nullptr);
    EXPECT_FALSE(overlap(two[0].box, two[1].box));
}

TEST(LabelPlacementTest, TheFourCurvesReadableAtTheResetViewAndZoomedIn) {
    for (const Case& c : theFourCurves()) {
        SCOPED_TRACE(c.name);
        for (double half : {10.0, 5.0, 2.0}) {
            const plot::LayerView v = view(-half, half, -half, half);
            plot::Layer layer = plot::axisNumbers(v);
            plot::addMarks(layer, v, c.points, plot::curveInTwips(v, c.f));
            expectReadable(layer);
        }
    }
}

TEST(LabelPlacementTest, LabelsKeepOffTheCurveWhereThereIsRoom) {
    // x^3 - 6x^2 + 9x and 0,25x^4 - 2x^2 leave room beside every point; a double zero at the
    // minimum is named with both zeros.
    for (const Case& c : {theFourCurves()[1], theFourCurves()[3]}) {
        SCOPED_TRACE(c.name);
        const plot::LayerView v = view(-10, 10, -10, 10);
        plot::Layer layer;
        plot::addMarks(layer, v, c.points, plot::curveInTwips(v, c.f));
        for (const plot::LayerMark& m : layer.marks)
            EXPECT_FALSE(onCurve(m.box, v, c.f)) << m.label;
    }
    plot::Layer cubic;
    const plot::LayerView v = view(-10, 10, -10, 10);
    plot::addMarks(cubic, v, theFourCurves()[3].points);
    ASSERT_EQ(cubic.marks.size(), 4u);
    EXPECT_EQ(cubic.marks[0].label, "N1, Sy");
    EXPECT_EQ(cubic.marks[1].label, "N2, N3, E1 min");
}

TEST(LabelPlacementTest, ACrowdOfPointsStillGetsDisjointLabels) {
    const plot::LayerView v = view(-10, 10, -10, 10);
    std::vector<plot::WorldMark> crowd;
    for (int i = 0; i < 10; ++i)
        crowd.push_back(
            {0.3 * i, 0.2 * (i % 3), plot::Symbol::Circle, "N" + std::to_string(i + 1)});
    plot::Layer layer;
    plot::addMarks(layer, v, crowd, plot::curveInTwips(v, [](double x) { return x / 5; }));
    EXPECT_EQ(layer.marks.size(), 10u);
    expectReadable(layer);
}

}  // namespace
