#pragma once

#include <cstdint>
#include <vector>

namespace plot {

// The x values of one curve: from xmin on, by repeated addition of (xmax - xmin) / 5000, while x
// has not passed xmax. Equal bounds give no samples.
std::vector<double> samples(double xmin, double xmax);

// World to window, in twips. The vertical mapping is anchored at the rounded NullpunktY.
inline double windowX(double x, double xmin, double xmax) {
    return 120 + 7005 * (x - xmin) / (xmax - xmin);
}
inline double windowY(double y, std::int32_t nullpunktY, double ymin, double ymax) {
    return nullpunktY - 7005 * y / (ymax - ymin);
}

}  // namespace plot
