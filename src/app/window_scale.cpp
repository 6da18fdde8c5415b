#include "app/window_scale.h"

#include <algorithm>
#include <cmath>

#include "app/twips.h"

namespace window_scale {

QSize clientSize(double scale) {
    return {toPixels(kClientWidthTwips, scale), toPixels(kClientHeightTwips, scale)};
}

double fitting(QSize area) {
    const QSize full = clientSize(1);
    const double scale =
        std::min(double(area.width()) / full.width(), double(area.height()) / full.height());
    // The size of a step, rounded to whole pixels, is that step exactly.
    const double step = std::round(scale / kStep) * kStep;
    const QSize stepSize = clientSize(step);
    const bool onStep = std::abs(scale - step) < 0.01 && stepSize.width() <= area.width() &&
                        stepSize.height() <= area.height();
    return std::clamp(onStep ? step : scale, kSmallest, kLargest);
}

double stepped(double scale, int steps) {
    // A scale within 2 % of a step counts as on it: the fitting scale of a size in whole pixels
    // is up to a pixel's worth (0,2 % of the height) off the step it was made for.
    constexpr double near = 0.02;
    const double inSteps = scale / kStep;
    const double from = steps > 0 ? std::floor(inSteps + near) : std::ceil(inSteps - near);
    return std::clamp((from + steps) * kStep, kSmallest, kLargest);
}

}  // namespace window_scale
