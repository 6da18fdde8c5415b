#pragma once

#include <cstdint>

namespace plot {

// World to window, in twips. The vertical mapping is anchored at the rounded NullpunktY.
inline double windowX(double x, double xmin, double xmax) {
    return 120 + 7005 * (x - xmin) / (xmax - xmin);
}
inline double windowY(double y, std::int32_t nullpunktY, double ymin, double ymax) {
    return nullpunktY - 7005 * y / (ymax - ymin);
}

}  // namespace plot
