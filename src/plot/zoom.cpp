#include "plot/zoom.h"

#include <cmath>

#include "base/failure.h"
#include "base/numtext.h"
#include "plot/curves.h"
#include "plot/square.h"

namespace plot {

namespace {

constexpr double smallestSpacing = 0.00001;

// The common logarithm; a number not above 0 has none.
double log10Of(double v) {
    if (!(v > 0)) throw Failure(failure::InvalidArgument);
    return std::log10(v);
}

// The decimals of a view's rounding for the x spacing dx: 1 - log10(dx), at least 0.
int viewDecimals(double dx) {
    double n = 1 - log10Of(dx);
    if (n < 0) n = 0;
    return numtext::toInt32(n);
}

// The decimals of the readout at a zoom factor: one more than the factor has places.
int readoutDecimals(const std::string& zoomCaption) {
    const double factor = numtext::toInt32(numtext::parse(zoomCaption));
    return numtext::toInt32(log10Of(factor) + 1);
}

}  // namespace

WorldPoint clickToWorld(const Ranges& r, float x, float y) {
    const double x1 = r.ix1.number(), x2 = r.ix2.number();
    const double y1 = r.iy1.number(), y2 = r.iy2.number();
    const double wx = checkFinite(checkFinite(checkFinite(x2 - x1) * x) / kSquareSide + x1);
    const double wy = checkFinite(y2 - checkFinite(checkFinite(y2 - y1) * y) / kSquareSide);
    return {wx, wy};
}

std::string pointCaption(double x, double y, int decimals) {
    return "Po1( " + numtext::format(numtext::roundTo(x, decimals)) + " ; " +
           numtext::format(numtext::roundTo(y, decimals)) + " )";
}

std::string readout(const Ranges& r, const std::string& zoomCaption, float x, float y) {
    WorldPoint p = clickToWorld(r, x, y);
    p.x = numtext::roundTo(p.x, 8);
    p.y = numtext::roundTo(p.y, 8);
    return pointCaption(p.x, p.y, readoutDecimals(zoomCaption));
}

namespace {

// The new view around p rounded to the decimals: halfX and halfY on either side of it, with the
// new spacings, the caption of p and the zoom factor.
ZoomStep viewAround(WorldPoint p, int decimals, double halfX, double halfY, double spacingX,
                    double spacingY) {
    ZoomStep step;
    step.caption = pointCaption(p.x, p.y, decimals);
    const double cx = numtext::roundTo(p.x, decimals), cy = numtext::roundTo(p.y, decimals);
    step.xa = numtext::format(spacingX);
    step.ix1 = numtext::format(cx - halfX);
    step.ix2 = numtext::format(cx + halfX);
    step.ya = numtext::format(spacingY);
    step.iy1 = numtext::format(cy - halfY);
    step.iy2 = numtext::format(cy + halfY);
    step.factor = numtext::formatThousands(checkFinite(1 / spacingX));
    return step;
}

}  // namespace

ZoomStep zoom(const Ranges& r, const Spacing& xa, const Spacing& ya, float x, float y) {
    const WorldPoint p = clickToWorld(r, x, y);
    const double dx = xa.field.number(), dy = ya.field.number();
    const int decimals = viewDecimals(dx);
    if (dx < smallestSpacing || dy < smallestSpacing) {
        ZoomStep refused;
        refused.caption = pointCaption(p.x, p.y, decimals);
        refused.refused = true;
        return refused;
    }
    return viewAround(p, decimals, dx, dy, dx / 10, dy / 10);
}

std::optional<std::string> traceReadout(const Ranges& r, const std::string& zoomCaption,
                                        const std::string& yTerm, float x) {
    const int decimals = readoutDecimals(zoomCaption);
    // y at the x that the caption shows, so that the pair read off lies on the curve.
    const double wx = numtext::roundTo(numtext::roundTo(clickToWorld(r, x, 0).x, 8), decimals);
    try {
        const double wy = checkFinite(compileCurveTerm(yTerm, false).sample(wx));
        return pointCaption(wx, wy, decimals);
    } catch (const Failure&) {
        return std::nullopt;
    }
}

std::optional<ZoomStep> zoomOut(const Ranges& r, const Spacing& xa, const Spacing& ya,
                                const std::string& zoomCaption, float x, float y) {
    if (!(numtext::parse(zoomCaption) > 1)) return std::nullopt;
    const WorldPoint p = clickToWorld(r, x, y);
    const double dx = checkFinite(xa.field.number() * 10), dy = checkFinite(ya.field.number() * 10);
    return viewAround(p, viewDecimals(dx), 10 * dx, 10 * dy, dx, dy);
}

PanStep pan(const Ranges& r, const Spacing& xa, float dx, float dy) {
    const double x1 = r.ix1.number(), x2 = r.ix2.number();
    const double y1 = r.iy1.number(), y2 = r.iy2.number();
    const int decimals = viewDecimals(xa.field.number());
    const double sx = numtext::roundTo(checkFinite(-(x2 - x1) * dx / kSquareSide), decimals);
    const double sy = numtext::roundTo(checkFinite((y2 - y1) * dy / kSquareSide), decimals);
    return {numtext::format(x1 + sx), numtext::format(x2 + sx), numtext::format(y1 + sy),
            numtext::format(y2 + sy)};
}

std::optional<std::string> readoutX(std::string_view caption) {
    const auto semicolon = caption.find(';');
    // The x value starts at the fifth character and ends before the blank ahead of the ";".
    if (semicolon == std::string_view::npos || semicolon < 5) return std::nullopt;
    return std::string(caption.substr(4, semicolon - 5));
}

}  // namespace plot
