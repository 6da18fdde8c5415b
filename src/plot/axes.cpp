#include "plot/axes.h"

#include "base/failure.h"
#include "base/numtext.h"
#include "plot/square.h"

namespace plot {

namespace {

double divide(double a, double b) {
    if (b == 0) throw Failure(failure::DivisionByZero);
    return a / b;
}

// The width of the axis cross from the text of cbKreuz.
int crossWidthOf(const std::string& text) {
    std::int32_t w = numtext::toInt32(numtext::parse(text));
    if (w < 1 || w > 32767) throw Failure(failure::InvalidArgument);
    return static_cast<int>(w);
}

}  // namespace

void drawAxes(Surface& s, const Ranges& r, const std::string& kreuzText, Colour axisColour,
              std::int32_t& nullpunktX, std::int32_t& nullpunktY) {
    try {
        s.clear();
        if (r.ix1.isEmpty() || r.ix2.isEmpty() || r.iy1.isEmpty() || r.iy2.isEmpty()) return;
        double xmin = r.ix1.number();
        double xmax = r.ix2.number();
        double ymin = r.iy1.number();
        double ymax = r.iy2.number();
        s.setPenWidth(crossWidthOf(kreuzText));
        nullpunktY = numtext::toInt32(kSquareTop + divide(kSquareSide * ymax, ymax - ymin));
        if (nullpunktY > 0)
            s.line(kSquareLeft, static_cast<float>(nullpunktY), kSquareRight,
                   static_cast<float>(nullpunktY), axisColour);
        nullpunktX = numtext::toInt32(kSquareLeft + divide(kSquareSide * (-1 * xmin), xmax - xmin));
        if (nullpunktX > 0 && nullpunktX < kSquareRight)
            s.line(static_cast<float>(nullpunktX), kSquareTop, static_cast<float>(nullpunktX),
                   kSquareBottom, axisColour);
    } catch (const Failure&) {
    }
    s.setPenWidth(1);
}

}  // namespace plot
