#include "plot/grid.h"

#include <cmath>

#include "base/failure.h"
#include "base/numtext.h"

namespace plot {

namespace {

// Each loop stops by itself once the position passes the far edge; it takes about
// (distance from the axis to that edge) / step iterations. The densest grid the lists offer
// (0,0001 on -10..10) needs about 200,000; an axis far outside the square needs more skipped
// iterations, but a 32-bit axis position with a step of at least one twip stays below 2^32.
// A step so small that this would exceed the bound below (or that no longer moves the position
// at all) is treated as an overflow instead of hanging the window.
constexpr double maxIterations = 1e8;

void checkBound(double distance, double step) {
    if (std::fabs(distance) / step > maxIterations) throw Failure(failure::Overflow);
}

// A grid thousands of lines to the pixel fills the square with its colour, yet drawing it line by
// line takes seconds (0,0001 on -10..9108 has 91 million); beyond ten times the densest grid the
// lists offer on the default range it is an overflow too.
constexpr double maxLinesAcross = 2e6;

void checkDensity(double step) {
    if (7005 / step > maxLinesAcross) throw Failure(failure::Overflow);
}

}  // namespace

double spacingValue(const std::string& text) {
    if (text == "Pi") return 3.14159265358979;
    if (text == "Pi/2") return 1.5707963267949;
    if (text == "Pi/3") return 1.0471975511966;
    if (text == "Pi/4") return 0.785398163397448;
    if (text == "Pi/6") return 0.523598775598299;
    if (text == "2Pi") return 6.28318530717959;
    return numtext::parse(text);
}

void drawGrid(Surface& s, const Ranges& r, const std::string& xSpacing, const std::string& ySpacing,
              std::int32_t nullpunktX, std::int32_t nullpunktY, Colour colour) {
    for (const std::string* t : {&r.ix1, &r.ix2, &r.iy1, &r.iy2})
        if (t->empty() || *t == "-") return;
    if (xSpacing.empty() || ySpacing.empty() || xSpacing == "0" || ySpacing == "0") return;

    double x1 = numtext::parse(r.ix1);
    double x2 = numtext::parse(r.ix2);
    double y1 = numtext::parse(r.iy1);
    double y2 = numtext::parse(r.iy2);
    double dx = spacingValue(xSpacing);
    double dy = spacingValue(ySpacing);
    if (!(x2 > x1) || !(y2 > y1)) return;

    double sx = dx * 7005 / (x2 - x1);
    double sy = dy * 7005 / (y2 - y1);
    if (!(sx > 0) || !(sy > 0) || !std::isfinite(sx) || !std::isfinite(sy)) return;

    const double npx = nullpunktX;
    const double npy = nullpunktY;
    checkBound(npx - 120, sx);
    checkBound(7125 - npx, sx);
    checkBound(npy - 1140, sy);
    checkBound(8145 - npy, sy);
    checkDensity(sx);
    checkDensity(sy);

    s.setPenWidth(1);
    for (double i = 1;; ++i) {
        double x = npx - i * sx;
        if (x <= 120) break;
        if (x < 7125) s.line(static_cast<float>(x), 1140, static_cast<float>(x), 8145, colour);
    }
    for (double i = 1;; ++i) {
        double x = npx + i * sx;
        if (x <= 120) continue;
        if (x >= 7125) break;
        s.line(static_cast<float>(x), 1140, static_cast<float>(x), 8145, colour);
    }
    for (double i = 1;; ++i) {
        double y = npy - i * sy;
        if (y <= 1140) break;
        if (y < 8145) s.line(120, static_cast<float>(y), 7125, static_cast<float>(y), colour);
    }
    for (double i = 1;; ++i) {
        double y = npy + i * sy;
        if (y <= 1140) continue;
        if (y >= 8145) break;
        s.line(120, static_cast<float>(y), 7125, static_cast<float>(y), colour);
    }
    s.setPenWidth(2);
}

}  // namespace plot
