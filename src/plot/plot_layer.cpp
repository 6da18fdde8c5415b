#include "plot/plot_layer.h"

#include <algorithm>
#include <cmath>

#include "base/numtext.h"
#include "plot/square.h"

namespace plot {
namespace {

constexpr double kTick = 45;         // a tick's reach on either side of the axis
constexpr double kGap = 45;          // between a tick and its number, and between numbers
constexpr double kTickSpacing = 60;  // ticks closer than 4 pixels are thinned
constexpr double kMaxTicks = 200;    // more than 7005 / 60 never come

int decimalsOf(double step) {
    for (int d = 0; d < 3; ++d) {
        const double v = step * std::pow(10.0, d);
        if (std::fabs(v - std::round(v)) < 1e-9 * std::max(1.0, std::fabs(v))) return d;
    }
    return 3;
}

// The first of 1, 2, 5, 10, 20, 50 .. times base whose distance, times `distance`, reaches need.
long long multipleFor(double distance, double need, long long base = 1) {
    for (long long m = base;; m *= 10)
        for (long long f : {1, 2, 5})
            if (m * f * distance >= need || m * f > 1000000000LL) return m * f;
}

struct Axis {
    double origin;  // twips of world 0 on this axis, as the grid counts from it
    double step;    // twips of one spacing (negative upwards for y)
    double lo, hi;  // the square's extent along the axis
};

// The multiples k of the spacing whose ticks lie inside the square, every `every`-th. The axis
// stands on a whole twip, so a multiple up to a twip beyond an edge is the edge's own. False, and
// none listed, when there would be too many.
template <class Each>
bool multiples(const Axis& a, long long every, Each each) {
    const double s = a.step * static_cast<double>(every);
    const double lo = std::min(a.lo, a.hi) - 1;
    const double hi = std::max(a.lo, a.hi) + 1;
    double k1 = std::ceil((lo - a.origin) / s);
    double k2 = std::floor((hi - a.origin) / s);
    if (k1 > k2) std::swap(k1, k2);
    if (!(k2 - k1 < kMaxTicks)) return false;
    for (double j = k1; j <= k2; ++j) {
        const double at = a.origin + j * s;
        if (at < lo || at > hi) continue;
        each(static_cast<long long>(j) * every, std::clamp(at, lo + 1, hi - 1));
    }
    return true;
}

}  // namespace

std::string stepNumber(double value, double step) {
    const std::string fixed = numtext::formatFixed(value, decimalsOf(step));
    const std::size_t comma = std::min(fixed.find(','), fixed.size());
    std::string fraction = fixed.substr(std::min(comma + 1, fixed.size()));
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    const bool minus = fixed.front() == '-';
    const std::string digits = fixed.substr(minus ? 1 : 0, comma - (minus ? 1 : 0));
    std::string text = minus && (digits != "0" || !fraction.empty()) ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += '.';
        text += digits[i];
    }
    return fraction.empty() ? text : text + ',' + fraction;
}

Layer axisNumbers(const LayerView& v) {
    Layer layer;
    layer.colour = v.colour;
    layer.background = v.background;
    const double sx = v.dx * kSquareSide / (v.xmax - v.xmin);
    const double sy = v.dy * kSquareSide / (v.ymax - v.ymin);
    if (!(v.xmax > v.xmin && v.ymax > v.ymin && sx > 0 && sy > 0) || !std::isfinite(sx + sy))
        return layer;

    // The axes, or the edges nearest to them when they lie outside the square.
    const double axisY = std::clamp<double>(v.nullpunktY, kSquareTop, kSquareBottom);
    const double axisX = std::clamp<double>(v.nullpunktX, kSquareLeft, kSquareRight);
    const bool numbersAbove = axisY + kTick + kGap + kNumberHeight > kSquareBottom;
    const bool numbersRight = axisX - kTick - kGap - 4 * kNumberHeight < kSquareLeft;

    const Axis x{double(v.nullpunktX), sx, kSquareLeft, kSquareRight};
    const long long xTicks = multipleFor(sx, kTickSpacing);
    // Numbers must not come closer than the widest of them.
    const auto widest = [&](long long every) {
        double w = 0;
        const bool listed = multiples(x, every, [&](long long k, double) {
            const double step = v.dx * static_cast<double>(every);
            w = std::max(w, v.textWidth(stepNumber(static_cast<double>(k) * v.dx, step)));
        });
        return listed ? w : HUGE_VAL;
    };
    long long xNumbers = xTicks;
    while (xNumbers * sx < widest(xNumbers) + kGap && xNumbers < 1000000000LL)
        xNumbers = multipleFor(sx, xNumbers * sx + 1, xTicks);
    multiples(x, xTicks, [&](long long k, double at) {
        layer.ticks.push_back({at, std::max<double>(kSquareTop, axisY - kTick), at,
                               std::min<double>(kSquareBottom, axisY + kTick)});
        if (k % xNumbers != 0) return;
        const std::string text = stepNumber(static_cast<double>(k) * v.dx, xNumbers * v.dx);
        const double half = v.textWidth(text) / 2;
        if (at - half < kSquareLeft || at + half > kSquareRight) return;
        if (numbersAbove)
            layer.numbers.push_back({at, axisY - kTick - kGap / 2, Anchor::Above, text});
        else
            layer.numbers.push_back({at, axisY + kTick + kGap / 2, Anchor::Below, text});
    });

    const Axis y{double(v.nullpunktY), -sy, kSquareTop, kSquareBottom};
    const long long yTicks = multipleFor(sy, kTickSpacing);
    const long long yNumbers = multipleFor(sy, kNumberHeight + kGap, yTicks);
    multiples(y, yTicks, [&](long long k, double at) {
        layer.ticks.push_back({std::max<double>(kSquareLeft, axisX - kTick), at,
                               std::min<double>(kSquareRight, axisX + kTick), at});
        // 0 stands once, on the x-axis.
        if (k % yNumbers != 0 || k == 0) return;
        if (at - kNumberHeight / 2 < kSquareTop || at + kNumberHeight / 2 > kSquareBottom) return;
        const std::string text = stepNumber(static_cast<double>(k) * v.dy, yNumbers * v.dy);
        const double w = v.textWidth(text);
        if (numbersRight) {
            const double from = axisX + kTick + kGap / 2;
            if (from + w <= kSquareRight) layer.numbers.push_back({from, at, Anchor::Right, text});
        } else {
            const double to = axisX - kTick - kGap / 2;
            if (to - w >= kSquareLeft) layer.numbers.push_back({to, at, Anchor::Left, text});
        }
    });
    return layer;
}

void addMarks(Layer& layer, const LayerView& v, const std::vector<WorldMark>& marks) {
    if (!(v.xmax != v.xmin && v.ymax != v.ymin)) return;
    for (const WorldMark& m : marks) {
        const double x = windowX(m.x, v.xmin, v.xmax);
        const double y = windowY(m.y, v.nullpunktY, v.ymin, v.ymax);
        if (x < kSquareLeft || x > kSquareRight || y < kSquareTop || y > kSquareBottom) continue;
        const auto same = std::find_if(
            layer.marks.begin(), layer.marks.end(),
            [&](const LayerMark& o) { return std::fabs(o.x - x) < 1 && std::fabs(o.y - y) < 1; });
        if (same != layer.marks.end())
            same->label += ", " + m.label;
        else
            layer.marks.push_back({x, y, m.symbol, m.label});
    }
}

}  // namespace plot
