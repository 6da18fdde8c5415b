#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

#include "plot/square.h"

// Twips of the control tables to pixels at 96 dpi and the window's scale (1 at 100 %), by
// rounding: a box's edges are rounded, so that boxes that meet in twips meet in pixels too.
inline int toPixels(double twips, double scale = 1) {
    return static_cast<int>(std::lround(twips * scale / plot::kTwipsPerPixel));
}

inline QRect pixelBox(int left, int top, int width, int height, double scale = 1) {
    const int x = toPixels(left, scale), y = toPixels(top, scale);
    return {x, y, toPixels(left + width, scale) - x, toPixels(top + height, scale) - y};
}

// The name of the property that keeps a control's place as the tables give it, in twips.
inline constexpr char kTwipsProperty[] = "twips";

// The name of the property of the container whose contents are drawn at a scale (a double).
inline constexpr char kScaleProperty[] = "scale";

// The scale a widget is drawn at: that of the innermost scaled container around it, else 1.
inline double windowScale(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (const QVariant scale = w->property(kScaleProperty); scale.isValid())
            return scale.toDouble();
    return 1;
}

// Twips of the control tables in one pixel of a widget, as its handlers measure mouse positions.
inline double twipsPerPixel(const QWidget* widget) {
    return plot::kTwipsPerPixel / windowScale(widget);
}
