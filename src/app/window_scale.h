#pragma once

#include <QSize>

// How large the main window's client area is drawn: a factor on the sizes of the control tables,
// 1 at 100 %. Dragging the frame or maximising gives the factor that fills the area; the Ansicht
// menu steps it by 25 %.
namespace window_scale {

inline constexpr int kClientWidthTwips = 14730;
inline constexpr int kClientHeightTwips = 8250;
inline constexpr double kStep = 0.25;
inline constexpr double kSmallest = 0.75;  // below, the text is too small to read
inline constexpr double kLargest = 4;

// The client area's size in pixels at a scale.
QSize clientSize(double scale);

// The largest scale whose contents fit into an area of so many pixels, keeping their proportions,
// within kSmallest .. kLargest; an area as large as a step's client area gives that step.
double fitting(QSize area);

// The next step of 25 % above (steps > 0) or below (steps < 0) a scale, within kSmallest ..
// kLargest; a scale between two steps goes to the nearer one in that direction.
double stepped(double scale, int steps);

}  // namespace window_scale
