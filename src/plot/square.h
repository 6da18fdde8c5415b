#pragma once

#include <cstdint>

// The plot square, the label lblBG, in twips of the window's client area: every drawing and every
// click on the plot is measured against these numbers.
namespace plot {

inline constexpr int kSquareLeft = 120;
inline constexpr int kSquareTop = 1140;
inline constexpr int kSquareSide = 7005;
inline constexpr int kSquareRight = kSquareLeft + kSquareSide;  // 7125
inline constexpr int kSquareBottom = kSquareTop + kSquareSide;  // 8145

// Twips in a pixel at 96 dpi; high-DPI screens scale the whole window.
inline constexpr int kTwipsPerPixel = 15;

// World to window. The vertical mapping is anchored at the rounded NullpunktY.
inline double windowX(double x, double xmin, double xmax) {
    return kSquareLeft + kSquareSide * (x - xmin) / (xmax - xmin);
}
inline double windowY(double y, std::int32_t nullpunktY, double ymin, double ymax) {
    return nullpunktY - kSquareSide * y / (ymax - ymin);
}

}  // namespace plot
