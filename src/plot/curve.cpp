#include "plot/curve.h"

namespace plot {

std::vector<double> samples(double xmin, double xmax) {
    std::vector<double> xs;
    double step = (xmax - xmin) / 5000;
    if (!(step != 0)) return xs;
    // A step too small to move x (huge bounds) would never reach xmax.
    if (xmin + step == xmin) return xs;
    xs.reserve(5002);
    if (step > 0)
        for (double x = xmin; x <= xmax; x += step) xs.push_back(x);
    else
        for (double x = xmin; x >= xmax; x += step) xs.push_back(x);
    return xs;
}

}  // namespace plot
