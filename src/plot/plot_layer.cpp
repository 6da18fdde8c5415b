#include "plot/plot_layer.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "base/numtext.h"
#include "plot/square.h"

namespace plot {
namespace {

constexpr double kTick = 45;         // a tick's reach on either side of the axis
constexpr double kGap = 45;          // between a tick and its number, and between numbers
constexpr double kTickSpacing = 60;  // ticks closer than 4 pixels are thinned
constexpr double kMaxTicks = 200;    // more than 7005 / 60 never come
constexpr long long kMaxEvery = 1000000000LL;

// The fewest decimals that write the step exactly, as far as a double holds it: then two
// neighbours, a step apart, never read the same, and no multiple but 0 reads "0".
int decimalsOf(double step) {
    step = std::fabs(step);
    for (int d = 0; d < 40; ++d) {
        const double v = step * std::pow(10.0, d);
        if (std::fabs(v - std::round(v)) < 1e-9 * std::max(1.0, v) && std::round(v) >= 1) return d;
    }
    return 40;
}

// The ways to thin the numbers of an axis, in the order they are tried: every 1st, 2nd, 5th,
// 10th, 20th .. multiple; on a π axis the fractions of π first (π/6: every 2nd is π/3, every 3rd
// π/2, every 6th π), then 2π, 5π, 10π ...
std::vector<long long> thinnings(PiSpacing pi) {
    std::vector<long long> all;
    long long from = 1;
    if (pi.isPi()) {
        for (long long d = 1; d < pi.den; ++d)
            if (pi.den % d == 0) all.push_back(d);
        from = pi.den;
    }
    for (long long m = from; m <= kMaxEvery; m *= 10)
        for (long long f : {1, 2, 5}) all.push_back(m * f);
    return all;
}

// The first thinning that is a multiple of `base` and whose distance, times `distance`, reaches
// need.
long long thinningFor(const std::vector<long long>& all, double distance, double need,
                      long long base = 1) {
    for (long long every : all)
        if (every % base == 0 && static_cast<double>(every) * distance >= need) return every;
    return all.back();
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

// The number of the k-th multiple of the spacing when every `every`-th is numbered.
std::string numberOf(long long k, long long every, double spacing, PiSpacing pi) {
    if (pi.isPi()) return piNumber(k, pi);
    return stepNumber(static_cast<double>(k) * spacing, static_cast<double>(every) * spacing);
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

std::string piNumber(long long k, PiSpacing spacing) {
    long long num = k * spacing.num;
    long long den = spacing.den;
    if (num == 0 || den == 0) return "0";
    const long long common = std::gcd(num, den);
    num /= common, den /= common;
    std::string text = num < 0 ? "-" : "";
    if (std::llabs(num) != 1) text += std::to_string(std::llabs(num));
    text += "π";
    return den == 1 ? text : text + "/" + std::to_string(den);
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
    const std::vector<long long> xThinnings = thinnings(v.xPi);
    const long long xTicks = thinningFor(xThinnings, sx, kTickSpacing);
    // Numbers must not come closer than the widest of them.
    const auto widest = [&](long long every) {
        double w = 0;
        const bool listed = multiples(x, every, [&](long long k, double) {
            w = std::max(w, v.textWidth(numberOf(k, every, v.dx, v.xPi)));
        });
        return listed ? w : HUGE_VAL;
    };
    long long xNumbers = xTicks;
    while (xNumbers * sx < widest(xNumbers) + kGap && xNumbers < kMaxEvery)
        xNumbers = thinningFor(xThinnings, sx, xNumbers * sx + 1, xTicks);
    multiples(x, xTicks, [&](long long k, double at) {
        layer.ticks.push_back({at, std::max<double>(kSquareTop, axisY - kTick), at,
                               std::min<double>(kSquareBottom, axisY + kTick)});
        if (k % xNumbers != 0) return;
        const std::string text = numberOf(k, xNumbers, v.dx, v.xPi);
        const double half = v.textWidth(text) / 2;
        if (at - half < kSquareLeft || at + half > kSquareRight) return;
        if (numbersAbove)
            layer.numbers.push_back({at, axisY - kTick - kGap / 2, Anchor::Above, text, true});
        else
            layer.numbers.push_back({at, axisY + kTick + kGap / 2, Anchor::Below, text, true});
    });

    const Axis y{double(v.nullpunktY), -sy, kSquareTop, kSquareBottom};
    const std::vector<long long> yThinnings = thinnings(v.yPi);
    const long long yTicks = thinningFor(yThinnings, sy, kTickSpacing);
    const long long yNumbers = thinningFor(yThinnings, sy, kNumberHeight + kGap, yTicks);
    multiples(y, yTicks, [&](long long k, double at) {
        layer.ticks.push_back({std::max<double>(kSquareLeft, axisX - kTick), at,
                               std::min<double>(kSquareRight, axisX + kTick), at});
        // 0 stands once, on the x-axis.
        if (k % yNumbers != 0 || k == 0) return;
        if (at - kNumberHeight / 2 < kSquareTop || at + kNumberHeight / 2 > kSquareBottom) return;
        const std::string text = numberOf(k, yNumbers, v.dy, v.yPi);
        const double w = v.textWidth(text);
        if (numbersRight) {
            const double from = axisX + kTick + kGap / 2;
            if (from + w <= kSquareRight)
                layer.numbers.push_back({from, at, Anchor::Right, text, false});
        } else {
            const double to = axisX - kTick - kGap / 2;
            if (to - w >= kSquareLeft) layer.numbers.push_back({to, at, Anchor::Left, text, false});
        }
    });
    return layer;
}

}  // namespace plot
