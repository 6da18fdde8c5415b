#include "plot/legend.h"

#include <algorithm>

#include "plot/square.h"

namespace plot {

Legend placeLegend(const std::vector<LegendEntry>& drawn,
                   const std::vector<RecordingSurface::Primitive>& picture,
                   const std::function<double(const std::string&)>& textWidth) {
    Legend legend;
    for (const LegendEntry& e : drawn) {
        const bool named = std::any_of(legend.entries.begin(), legend.entries.end(), [&](auto& o) {
            return o.name == e.name && o.colour == e.colour;
        });
        if (!named) legend.entries.push_back(e);
    }
    if (legend.entries.empty()) return legend;
    double widest = 0;
    for (const LegendEntry& e : legend.entries) widest = std::max(widest, textWidth(e.name));
    legend.width = 2 * kLegendPadding + kLegendSample + kLegendGap + widest;
    legend.height = 2 * kLegendPadding + kLegendRow * static_cast<double>(legend.entries.size());

    const double left = kSquareLeft + kLegendInset;
    const double right = kSquareRight - kLegendInset - legend.width;
    const double top = kSquareTop + kLegendInset;
    const double bottom = kSquareBottom - kLegendInset - legend.height;
    const std::pair<double, double> corners[] = {
        {right, top}, {left, top}, {right, bottom}, {left, bottom}};
    auto covered = [&](double x0, double y0) {
        auto inside = [&](double x, double y) {
            return x >= x0 && x <= x0 + legend.width && y >= y0 && y <= y0 + legend.height;
        };
        long n = 0;
        for (const RecordingSurface::Primitive& p : picture)
            n += inside(p.x1, p.y1) + (p.isLine && inside(p.x2, p.y2)) +
                 (p.isLine && inside((p.x1 + p.x2) / 2, (p.y1 + p.y2) / 2));
        return n;
    };
    long least = -1;
    for (const auto& [x, y] : corners) {
        const long n = covered(x, y);
        if (least < 0 || n < least) {
            least = n;
            legend.left = x;
            legend.top = y;
        }
    }
    return legend;
}

}  // namespace plot
