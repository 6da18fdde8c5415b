#pragma once

#include <QRect>
#include <cmath>

#include "plot/square.h"

// Twips of the control tables to pixels at 96 dpi, by rounding: a box's edges are rounded, so
// that boxes that meet in twips meet in pixels too.
inline int toPixels(double twips) {
    return static_cast<int>(std::lround(twips / plot::kTwipsPerPixel));
}

inline QRect pixelBox(int left, int top, int width, int height) {
    const int x = toPixels(left), y = toPixels(top);
    return {x, y, toPixels(left + width) - x, toPixels(top + height) - y};
}

// The name of the property that keeps a control's place as the tables give it, in twips.
inline constexpr char kTwipsProperty[] = "twips";
