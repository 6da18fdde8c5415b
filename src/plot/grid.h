#pragma once

#include <cstdint>
#include <string>

#include "plot/ranges.h"
#include "plot/surface.h"

namespace plot {

// The value of a grid spacing text: "Pi", "Pi/2", "Pi/3", "Pi/4", "Pi/6", "2Pi" by name, anything
// else read as a number. Throws Failure for a text that is not a number.
double spacingValue(const std::string& text);

// ZeichneHilfslinien without the on/off test and the mouse pointer: grid lines at every multiple
// of the spacings, counted outwards from the axes, inside the plot square. Leaves pen width 2
// after a complete drawing. A reversed or empty range, or a step width that is not positive,
// draws nothing. May throw Failure; lines already drawn stay.
void drawGrid(Surface& s, const Ranges& r, const std::string& xSpacing, const std::string& ySpacing,
              std::int32_t nullpunktX, std::int32_t nullpunktY, Colour colour);

}  // namespace plot
