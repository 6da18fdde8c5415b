#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#include "base/failure.h"
#include "plot/axes.h"
#include "plot/grid.h"
#include "plot/recording_surface.h"

namespace {

using plot::Ranges;

const Ranges defaults{"-10", "10", "-10", "10"};

struct Axes {
    RecordingSurface s;
    std::int32_t npx = 11, npy = 22;
    explicit Axes(const Ranges& r, const std::string& kreuz = "2") {
        s.setPenWidth(3);
        s.line(0, 0, 1, 1, 0);  // something to wipe
        plot::drawAxes(s, r, kreuz, 7, npx, npy);
    }
};

TEST(AxesTest, DefaultRangesRoundHalvesToEven) {
    Axes a(defaults);
    EXPECT_EQ(a.npx, 3622);
    EXPECT_EQ(a.npy, 4642);
    ASSERT_EQ(a.s.primitives().size(), 2u);
    auto xa = a.s.primitives()[0], ya = a.s.primitives()[1];
    EXPECT_EQ(xa.x1, 120);
    EXPECT_EQ(xa.y1, 4642);
    EXPECT_EQ(xa.x2, 7125);
    EXPECT_EQ(xa.y2, 4642);
    EXPECT_EQ(xa.colour, 7u);
    EXPECT_EQ(xa.width, 2);
    EXPECT_EQ(ya.x1, 3622);
    EXPECT_EQ(ya.y1, 1140);
    EXPECT_EQ(ya.y2, 8145);
    EXPECT_EQ(a.s.penWidth(), 1);
}

TEST(AxesTest, XAxisPositionsAndVisibility) {
    struct Case {
        const char *y1, *y2;
        std::int32_t npy;
        bool drawn;
    };
    for (Case c : {Case{"0", "10", 8145, true}, Case{"1", "10", 8923, true},
                   Case{"-10", "-5", -5865, false}}) {
        Axes a({"-10", "10", c.y1, c.y2});
        EXPECT_EQ(a.npy, c.npy) << c.y1;
        bool found = false;
        for (auto& p : a.s.primitives())
            if (p.y1 == p.y2 && p.y1 == static_cast<float>(c.npy)) found = true;
        EXPECT_EQ(found, c.drawn) << c.y1;
    }
}

TEST(AxesTest, YAxisOnLeftEdgeButNotOnRightEdge) {
    struct Case {
        const char *x1, *x2;
        std::int32_t npx;
        bool drawn;
    };
    for (Case c : {Case{"0", "10", 120, true}, Case{"-10", "0", 7125, false},
                   Case{"1", "10", -658, false}}) {
        Axes a({c.x1, c.x2, "-10", "10"});
        EXPECT_EQ(a.npx, c.npx) << c.x1;
        EXPECT_EQ(a.s.lines(), c.drawn ? 2 : 1) << c.x1;
    }
}

TEST(AxesTest, EmptyFieldOnlyWipesAndKeepsPenWidth) {
    Axes a({"-10", "", "-10", "10"});
    EXPECT_TRUE(a.s.primitives().empty());
    EXPECT_EQ(a.s.penWidth(), 3);
    EXPECT_EQ(a.npx, 11);
    EXPECT_EQ(a.npy, 22);
}

TEST(AxesTest, FailuresKeepWhatWasDone) {
    {
        Axes a({"-10", "10", "5", "5"});  // equal value bounds
        EXPECT_TRUE(a.s.primitives().empty());
        EXPECT_EQ(a.npx, 11);
        EXPECT_EQ(a.npy, 22);
        EXPECT_EQ(a.s.penWidth(), 1);
    }
    {
        Axes a({"3", "3", "-10", "10"});  // equal domain bounds: x-axis only
        EXPECT_EQ(a.npy, 4642);
        EXPECT_EQ(a.npx, 11);
        EXPECT_EQ(a.s.lines(), 1);
        EXPECT_EQ(a.s.penWidth(), 1);
    }
    for (const char* bad : {"-", ",", "abc"}) {
        Axes a({bad, "10", "-10", "10"});
        EXPECT_TRUE(a.s.primitives().empty()) << bad;
        EXPECT_EQ(a.npy, 22) << bad;
        EXPECT_EQ(a.s.penWidth(), 1) << bad;
    }
    for (const char* bad : {"", "x", "0"}) {
        Axes a(defaults, bad);
        EXPECT_TRUE(a.s.primitives().empty()) << bad;
        EXPECT_EQ(a.s.penWidth(), 1) << bad;
    }
    {
        Axes a({"-10", "10", "-1E+300", "1E+308"});  // NullpunktY beyond 32 bits
        EXPECT_TRUE(a.s.primitives().empty());
        EXPECT_EQ(a.npy, 22);
    }
}

TEST(AxesTest, PenWidthFromKreuzAndHugeBounds) {
    Axes a(defaults, "5");
    ASSERT_EQ(a.s.lines(), 2);
    EXPECT_EQ(a.s.primitives()[0].width, 5);
    EXPECT_EQ(a.s.primitives()[1].width, 5);
    EXPECT_EQ(a.s.penWidth(), 1);

    Axes h({"-1E+300", "1E+300", "-1E+300", "1E+300"});
    EXPECT_EQ(h.npx, 3622);
    EXPECT_EQ(h.npy, 4642);
}

struct Grid {
    RecordingSurface s;
    std::vector<float> left, right, above, below;
    Grid(const Ranges& r, const std::string& xs, const std::string& ys, std::int32_t npx,
         std::int32_t npy) {
        s.setPenWidth(9);
        plot::drawGrid(s, r, xs, ys, npx, npy, 5);
        for (auto& p : s.primitives()) {
            EXPECT_EQ(p.width, 1);
            EXPECT_EQ(p.colour, 5u);
            if (p.x1 == p.x2) {
                EXPECT_GT(p.x1, 120);
                EXPECT_LT(p.x1, 7125);
                (p.x1 < npx ? left : right).push_back(p.x1);
            } else {
                EXPECT_GT(p.y1, 1140);
                EXPECT_LT(p.y1, 8145);
                (p.y1 < npy ? above : below).push_back(p.y1);
            }
        }
    }
};

TEST(GridTest, DefaultGrid) {
    Grid g(defaults, "1", "1", 3622, 4642);
    EXPECT_EQ(g.left.size(), 9u);
    EXPECT_EQ(g.right.size(), 10u);
    EXPECT_EQ(g.above.size(), 9u);
    EXPECT_EQ(g.below.size(), 10u);
    EXPECT_FLOAT_EQ(g.right.back(), 7124.5f);
    EXPECT_FLOAT_EQ(g.below.back(), 8144.5f);
    EXPECT_FLOAT_EQ(g.left.front(), 3622 - 350.25f);
    EXPECT_EQ(g.s.penWidth(), 2);
}

TEST(GridTest, AxisOnOrLeftOfTheEdge) {
    Grid g({"0", "10", "-10", "10"}, "1", "1", 120, 4642);
    EXPECT_EQ(g.left.size(), 0u);
    ASSERT_EQ(g.right.size(), 9u);
    EXPECT_FLOAT_EQ(g.right.front(), 120 + 700.5f);

    Grid f({"5", "10", "-10", "10"}, "1", "1", -6885, 4642);
    ASSERT_EQ(f.right.size(), 4u);
    EXPECT_FLOAT_EQ(f.right.front(), -6885 + 6 * 1401.0f);
    EXPECT_FLOAT_EQ(f.right.back(), -6885 + 9 * 1401.0f);
}

TEST(GridTest, NamedSpacings) {
    Grid g(defaults, "Pi/2", "1", 3622, 4642);
    EXPECT_EQ(g.left.size(), 6u);
    EXPECT_EQ(g.right.size(), 6u);
    EXPECT_DOUBLE_EQ(plot::spacingValue("2Pi"), 6.28318530717959);
    EXPECT_DOUBLE_EQ(plot::spacingValue("Pi/6"), 0.523598775598299);
    EXPECT_DOUBLE_EQ(plot::spacingValue("0,5"), 0.5);
    EXPECT_THROW(plot::spacingValue("pi"), Failure);  // names are case-sensitive
}

TEST(GridTest, NothingDrawnForUnusableInput) {
    const std::vector<std::tuple<Ranges, std::string, std::string>> cases = {
        {{"-", "10", "-10", "10"}, "1", "1"},
        {{"-10", "10", "", "10"}, "1", "1"},
        {defaults, "", "1"},
        {defaults, "1", "0"},
        {defaults, "0,0", "1"},
        {defaults, "-1", "1"},
        {{"10", "-10", "-10", "10"}, "1", "1"},
        {{"-10", "10", "10", "-10"}, "1", "1"},
        {{"3", "3", "-10", "10"}, "1", "1"},
    };
    for (auto& [r, xs, ys] : cases) {
        RecordingSurface s;
        s.setPenWidth(4);
        plot::drawGrid(s, r, xs, ys, 3622, 4642, 0);
        EXPECT_TRUE(s.primitives().empty()) << r.ix1.text() << " " << xs << " " << ys;
        EXPECT_EQ(s.penWidth(), 4);
    }
}

TEST(GridTest, DenseAndHugeRangesEnd) {
    Grid d(defaults, "0,0001", "0,0001", 3622, 4642);
    EXPECT_GT(d.left.size(), 99000u);
    EXPECT_LT(d.right.size(), 101000u);

    // A step that no longer moves the position would never end; it is an overflow instead.
    RecordingSurface h;
    EXPECT_THROW(
        plot::drawGrid(h, {"-1E+300", "1E+300", "-1E+300", "1E+300"}, "1", "1", 3622, 4642, 0),
        Failure);
    EXPECT_TRUE(h.primitives().empty());

    // Ninety million lines across the square would only fill it: an overflow, nothing drawn.
    RecordingSurface dense;
    EXPECT_THROW(plot::drawGrid(dense, {"-10", "10", "-10", "9108"}, "1", "0,0001", 3622, 8138, 0),
                 Failure);
    EXPECT_TRUE(dense.primitives().empty());

    RecordingSurface s;
    EXPECT_THROW(plot::drawGrid(s, defaults, "abc", "1", 3622, 4642, 0), Failure);
}

}  // namespace
