#include "analysis/marked_points.h"

#include <algorithm>

#include "base/failure.h"
#include "base/numtext.h"

namespace analysis {

std::vector<MarkedPoint> markedPoints(const ShownResults& shown) {
    std::vector<MarkedPoint> points;
    const auto add = [&](PointKind kind, int row, std::string label) {
        try {
            const double x = numtext::parse(shown.fields[2 * row]);
            // A zero lies on the x-axis, whatever its y field holds.
            const double y =
                kind == PointKind::Zero ? 0 : numtext::parse(shown.fields[2 * row + 1]);
            const bool again = std::any_of(points.begin(), points.end(), [&](const MarkedPoint& p) {
                return p.kind == kind && p.x == x && p.y == y;
            });
            if (!again) points.push_back({kind, x, y, std::move(label)});
        } catch (const Failure&) {
        }
    };
    for (int i = 0; i < 4; ++i) add(PointKind::Zero, i, "N" + std::to_string(i + 1));
    for (int i = 0; i < 3; ++i) {
        const std::string& kind = shown.kinds[i];
        add(PointKind::Extreme, 4 + i,
            "E" + std::to_string(i + 1) + (kind.empty() ? "" : " " + kind));
    }
    for (int i = 0; i < 2; ++i) add(PointKind::Inflection, 7 + i, "W" + std::to_string(i + 1));
    add(PointKind::Intercept, 9, "Sy");
    return points;
}

}  // namespace analysis
