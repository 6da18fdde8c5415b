#include "plot/axes.h"

#include "base/failure.h"
#include "base/numtext.h"

namespace plot {

namespace {

double divide(double a, double b) {
    if (b == 0) throw Failure(failure::DivisionByZero);
    return a / b;
}

int penWidthOf(const std::string& text) {
    std::int32_t w = numtext::toInt32(numtext::parse(text));
    if (w < 1 || w > 32767) throw Failure(failure::InvalidArgument);
    return static_cast<int>(w);
}

}  // namespace

void drawAxes(Surface& s, const Ranges& r, const std::string& kreuzText, Colour axisColour,
              std::int32_t& nullpunktX, std::int32_t& nullpunktY) {
    try {
        s.clear();
        if (r.ix1.empty() || r.ix2.empty() || r.iy1.empty() || r.iy2.empty()) return;
        double xmin = numtext::parse(r.ix1);
        double xmax = numtext::parse(r.ix2);
        double ymin = numtext::parse(r.iy1);
        double ymax = numtext::parse(r.iy2);
        s.setPenWidth(penWidthOf(kreuzText));
        nullpunktY = numtext::toInt32(1140 + divide(7005 * ymax, ymax - ymin));
        if (nullpunktY > 0)
            s.line(120, static_cast<float>(nullpunktY), 7125, static_cast<float>(nullpunktY),
                   axisColour);
        nullpunktX = numtext::toInt32(120 + divide(7005 * (-1 * xmin), xmax - xmin));
        if (nullpunktX > 0 && nullpunktX < 7125)
            s.line(static_cast<float>(nullpunktX), 1140, static_cast<float>(nullpunktX), 8145,
                   axisColour);
    } catch (const Failure&) {
    }
    s.setPenWidth(1);
}

}  // namespace plot
