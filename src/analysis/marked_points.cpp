#include "analysis/marked_points.h"

#include <algorithm>

#include "base/failure.h"

namespace analysis {
namespace {

// The short name of the i-th row of a kind, as the marks write it.
std::string labelOf(PointKind kind, int i, const ShownResults& shown) {
    const std::string number = std::to_string(i + 1);
    switch (kind) {
        case PointKind::Zero:
            return "N" + number;
        case PointKind::Extreme:
            return shown.kinds[i].empty() ? "E" + number : "E" + number + " " + shown.kinds[i];
        case PointKind::Inflection:
            return "W" + number;
        case PointKind::Intercept:
            return "Sy";
    }
    return {};
}

}  // namespace

std::vector<MarkedPoint> markedPoints(const ShownResults& shown) {
    std::vector<MarkedPoint> points;
    for (const PanelGroup& g : kPanelGroups)
        for (int i = 0; i < g.rows; ++i) {
            const int row = g.firstRow + i;
            try {
                const double x = shown.fields[2 * row].number();
                // A zero lies on the x-axis, whatever its y field holds.
                const double y = g.kind == PointKind::Zero ? 0 : shown.fields[2 * row + 1].number();
                const auto again = std::find_if(
                    points.begin(), points.end(),
                    [&](const MarkedPoint& p) { return p.kind == g.kind && p.x == x && p.y == y; });
                if (again != points.end())
                    again->label += ", " + labelOf(g.kind, i, shown);
                else
                    points.push_back({g.kind, x, y, labelOf(g.kind, i, shown)});
            } catch (const Failure&) {
                // "#" or an empty row: nothing to mark.
            }
        }
    return points;
}

}  // namespace analysis
