#include "plot/grid.h"

#include <cmath>

#include "base/failure.h"
#include "plot/square.h"

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
    if (kSquareSide / step > maxLinesAcross) throw Failure(failure::Overflow);
}

// Grid lines span the square from edge to edge.
void vertical(Surface& s, double x, Colour colour) {
    s.line(static_cast<float>(x), kSquareTop, static_cast<float>(x), kSquareBottom, colour);
}
void horizontal(Surface& s, double y, Colour colour) {
    s.line(kSquareLeft, static_cast<float>(y), kSquareRight, static_cast<float>(y), colour);
}

}  // namespace

void drawGrid(Surface& s, const Ranges& r, const Spacing& xSpacing, const Spacing& ySpacing,
              std::int32_t nullpunktX, std::int32_t nullpunktY, Colour colour) {
    // These return before anything is read; any other text that is no number fails.
    for (const numtext::FieldValue* range : {&r.ix1, &r.ix2, &r.iy1, &r.iy2})
        if (range->isEmpty() || range->text() == "-") return;
    for (const Spacing* spacing : {&xSpacing, &ySpacing})
        if (spacing->field.isEmpty() || spacing->field.text() == "0") return;

    double x1 = r.ix1.number();
    double x2 = r.ix2.number();
    double y1 = r.iy1.number();
    double y2 = r.iy2.number();
    double dx = spacingValue(xSpacing);
    double dy = spacingValue(ySpacing);
    if (!(x2 > x1) || !(y2 > y1)) return;

    double sx = dx * kSquareSide / (x2 - x1);
    double sy = dy * kSquareSide / (y2 - y1);
    if (!(sx > 0) || !(sy > 0) || !std::isfinite(sx) || !std::isfinite(sy)) return;

    const double npx = nullpunktX;
    const double npy = nullpunktY;
    checkBound(npx - kSquareLeft, sx);
    checkBound(kSquareRight - npx, sx);
    checkBound(npy - kSquareTop, sy);
    checkBound(kSquareBottom - npy, sy);
    checkDensity(sx);
    checkDensity(sy);

    s.setPenWidth(1);
    for (double i = 1;; ++i) {
        double x = npx - i * sx;
        if (x <= kSquareLeft) break;
        if (x < kSquareRight) vertical(s, x, colour);
    }
    for (double i = 1;; ++i) {
        double x = npx + i * sx;
        if (x <= kSquareLeft) continue;
        if (x >= kSquareRight) break;
        vertical(s, x, colour);
    }
    for (double i = 1;; ++i) {
        double y = npy - i * sy;
        if (y <= kSquareTop) break;
        if (y < kSquareBottom) horizontal(s, y, colour);
    }
    for (double i = 1;; ++i) {
        double y = npy + i * sy;
        if (y <= kSquareTop) continue;
        if (y >= kSquareBottom) break;
        horizontal(s, y, colour);
    }
    s.setPenWidth(2);
}

}  // namespace plot
