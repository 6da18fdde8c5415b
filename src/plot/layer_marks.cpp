// The marked points of the layer and where their labels go.
#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

#include "plot/plot_layer.h"
#include "plot/square.h"

namespace plot {
namespace {

constexpr double kPixel = kTwipsPerPixel;
constexpr double kLabelPad = 2 * kPixel;  // between a label's text and its box, either side
// When the places beside a point are taken, its label moves out in steps of two pixels: up to ten
// pixels to keep clear of the curve and the numbers, up to thirty when it finds no room at all.
constexpr double kRingStep = 2 * kPixel;
constexpr int kRings = 16;
constexpr int kNearRings = 6;

bool overlaps(const Box& a, const Box& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

Box symbolBox(const LayerMark& m) {
    return {m.x - kSymbolRadius, m.y - kSymbolRadius, 2 * kSymbolRadius, 2 * kSymbolRadius};
}

// Where a number's glyphs stand: a pixel inside the box the painter fills behind them, so that a
// label may touch the ground around a number but not the number.
Box numberBox(const LayerText& t, double width) {
    const double w = width - 2 * kPixel;
    const double h = kNumberHeight - 2 * kPixel;
    switch (t.anchor) {
        case Anchor::Above:
            return {t.x - w / 2, t.y - h - kPixel, w, h};
        case Anchor::Below:
            return {t.x - w / 2, t.y + kPixel, w, h};
        case Anchor::Left:
            return {t.x - w - kPixel, t.y - h / 2, w, h};
        case Anchor::Right:
            return {t.x + kPixel, t.y - h / 2, w, h};
    }
    return {};
}

// Whether the segment p..q meets the box (Liang and Barsky's clipping).
bool meets(TwipPoint p, TwipPoint q, const Box& b) {
    const double dx = q.x - p.x, dy = q.y - p.y;
    const std::array<double, 4> dir = {-dx, dx, -dy, dy};
    const std::array<double, 4> room = {p.x - b.left, b.right() - p.x, p.y - b.top,
                                        b.bottom() - p.y};
    double t0 = 0, t1 = 1;
    for (std::size_t i = 0; i < 4; ++i) {
        if (dir[i] == 0) {
            if (room[i] < 0) return false;
            continue;
        }
        const double t = room[i] / dir[i];
        if (dir[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

// The box's padding may touch the curve's stroke: the text stays clear of it.
bool covers(const Box& b, const std::vector<TwipPoint>& curve) {
    for (std::size_t i = 1; i < curve.size(); ++i)
        if (meets(curve[i - 1], curve[i], b)) return true;
    return curve.size() == 1 && meets(curve[0], curve[0], b);
}

bool insideTheSquare(const Box& b) {
    return b.left >= kSquareLeft + kPixel && b.right() <= kSquareRight - kPixel &&
           b.top >= kSquareTop + kPixel && b.bottom() <= kSquareBottom - kPixel;
}

// The places around a point in the order they are tried: upper right, upper left, lower right,
// lower left, above, below, right, left. -1 is left of or above the point, 0 centred on it.
constexpr std::array<std::pair<int, int>, 8> kPlaces = {
    {{1, -1}, {-1, -1}, {1, 1}, {-1, 1}, {0, -1}, {0, 1}, {1, 0}, {-1, 0}}};

// A whole pixel of the square, rounded away from the point on the side the label goes.
double onPixel(double at, double origin, int side) {
    const double p = (at - origin) / kPixel;
    return origin + kPixel * (side > 0 ? std::ceil(p) : side < 0 ? std::floor(p) : std::round(p));
}

Box placeAt(const LayerMark& m, double width, int ring, std::pair<int, int> place) {
    const auto [h, v] = place;
    const double off = kSymbolRadius + kPixel + ring * kRingStep;
    const double left = h > 0 ? m.x + off : h < 0 ? m.x - off - width : m.x - width / 2;
    const double top = v > 0   ? m.y + off
                       : v < 0 ? m.y - off - kLabelHeight
                               : m.y - kLabelHeight / 2;
    return {onPixel(left, kSquareLeft, h), onPixel(top, kSquareTop, v), width, kLabelHeight};
}

void placeLabels(Layer& layer, const LayerView& view, const std::vector<TwipPoint>& curve) {
    std::vector<Box> symbols, numbers, labels;
    for (const LayerMark& m : layer.marks) symbols.push_back(symbolBox(m));
    for (const LayerText& t : layer.numbers)
        numbers.push_back(numberBox(t, view.textWidth(t.text)));
    for (std::size_t i = 0; i < layer.marks.size(); ++i) {
        LayerMark& m = layer.marks[i];
        const double width = kPixel * std::ceil((view.textWidth(m.label) + 2 * kLabelPad) / kPixel);
        // Labels, symbols and numbers are not to be hidden; then the curve, then the distance.
        using Rank = std::tuple<int, bool, bool, int, std::size_t>;
        Rank best{};
        bool found = false;
        for (int ring = 0; ring < kRings; ++ring)
            for (std::size_t p = 0; p < kPlaces.size(); ++p) {
                const Box b = placeAt(m, width, ring, kPlaces[p]);
                if (!insideTheSquare(b)) continue;
                int taken = 0;
                const bool covered = covers(b, curve);
                for (std::size_t j = 0; j < symbols.size(); ++j)
                    if (j != i && overlaps(b, symbols[j])) ++taken;
                for (const Box& o : labels)
                    if (overlaps(b, o)) ++taken;
                for (const Box& o : numbers)
                    if (overlaps(b, o)) ++taken;
                const Rank rank{taken, ring >= kNearRings, covered, ring, p};
                if (!found || rank < best) best = rank, m.box = b, found = true;
            }
        if (!found) {
            // Wider than the square: at its left edge.
            m.box = placeAt(m, width, 0, kPlaces[0]);
            m.box.left = kSquareLeft + kPixel;
            m.box.top =
                std::clamp(m.box.top, kSquareTop + kPixel, kSquareBottom - kPixel - kLabelHeight);
        }
        labels.push_back(m.box);
    }
}

}  // namespace

void addMarks(Layer& layer, const LayerView& v, const std::vector<WorldMark>& marks,
              const std::vector<TwipPoint>& curve) {
    if (!(v.xmax != v.xmin && v.ymax != v.ymin)) return;
    for (const WorldMark& m : marks) {
        const double x = windowX(m.x, v.xmin, v.xmax);
        const double y = windowY(m.y, v.nullpunktY, v.ymin, v.ymax);
        if (!(x >= kSquareLeft && x <= kSquareRight && y >= kSquareTop && y <= kSquareBottom))
            continue;
        // Within a pixel the symbols would be one.
        const auto same =
            std::find_if(layer.marks.begin(), layer.marks.end(), [&](const LayerMark& o) {
                return std::fabs(o.x - x) < kPixel && std::fabs(o.y - y) < kPixel;
            });
        if (same != layer.marks.end())
            same->label += ", " + m.label;
        else
            layer.marks.push_back({x, y, m.symbol, m.label});
    }
    placeLabels(layer, v, curve);
}

std::vector<TwipPoint> curveInTwips(const LayerView& v, const std::function<double(double)>& f) {
    std::vector<TwipPoint> curve;
    if (!(v.xmax > v.xmin && v.ymax > v.ymin)) return curve;
    for (double at = kSquareLeft; at <= kSquareRight; at += 2 * kPixel) {
        const double x = v.xmin + (v.xmax - v.xmin) * (at - kSquareLeft) / kSquareSide;
        const double y = windowY(f(x), v.nullpunktY, v.ymin, v.ymax);
        if (std::isnan(y)) continue;
        curve.push_back(
            {at, std::clamp<double>(y, kSquareTop - kSquareSide, kSquareBottom + kSquareSide)});
    }
    return curve;
}

}  // namespace plot
