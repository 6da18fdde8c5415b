#include "app/scaled_style.h"

#include <cmath>

#include "app/twips.h"

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    const double scale = windowScale(widget);
    return scale == 1 ? size : static_cast<int>(std::lround(size * scale));
}
