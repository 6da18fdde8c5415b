// The legend's box: each curve named once, in the emptiest corner of the square.
#include "plot/legend.h"

#include <gtest/gtest.h>

#include "plot/square.h"

namespace {

using plot::LegendEntry;
using Primitive = RecordingSurface::Primitive;

double width(const std::string& text) { return 90.0 * static_cast<double>(text.size()); }

Primitive point(double x, double y) {
    return {false, float(x), float(y), float(x), float(y), 0, 1};
}

TEST(Legend, EachCurveOnceInTheOrderDrawn) {
    const auto legend =
        plot::placeLegend({{"y", 1, 2}, {"y'", 2, 2}, {"y", 1, 3}, {"y", 5, 2}}, {}, width);
    ASSERT_EQ(legend.entries.size(), 3u);
    EXPECT_EQ(legend.entries[0].name, "y");
    EXPECT_EQ(legend.entries[1].name, "y'");
    EXPECT_EQ(legend.entries[2].colour, 5u);  // the same curve in another colour is another line
    EXPECT_DOUBLE_EQ(legend.height, 2 * plot::kLegendPadding + 3 * plot::kLegendRow);
    EXPECT_TRUE(plot::placeLegend({}, {}, width).entries.empty());
}

TEST(Legend, TheCornerThatCoversTheLeast) {
    const std::vector<LegendEntry> y{{"y", 1, 2}};
    // An empty picture: top right, inside the square.
    const auto empty = plot::placeLegend(y, {}, width);
    EXPECT_DOUBLE_EQ(empty.left + empty.width, plot::kSquareRight - plot::kLegendInset);
    EXPECT_DOUBLE_EQ(empty.top, plot::kSquareTop + plot::kLegendInset);
    // Points in the top right and the top left send it to the bottom right.
    std::vector<Primitive> picture;
    for (int i = 0; i < 5; ++i) {
        picture.push_back(point(empty.left + 10 * i, empty.top + 10));
        picture.push_back(point(plot::kSquareLeft + 200 + 10 * i, plot::kSquareTop + 200));
    }
    const auto moved = plot::placeLegend(y, picture, width);
    EXPECT_DOUBLE_EQ(moved.left, empty.left);
    EXPECT_DOUBLE_EQ(moved.top + moved.height, plot::kSquareBottom - plot::kLegendInset);
    // A line through a corner counts by its middle too.
    picture = {{true, float(empty.left - 1000), float(empty.top + 50),
                float(empty.left + empty.width + 1000), float(empty.top + 50), 0, 1}};
    EXPECT_DOUBLE_EQ(plot::placeLegend(y, picture, width).left,
                     plot::kSquareLeft + plot::kLegendInset);
}

}  // namespace
