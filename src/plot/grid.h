#pragma once

#include <cstdint>
#include <string>

#include "plot/ranges.h"
#include "plot/surface.h"

namespace plot {

// The value of a grid spacing text: "Pi", "Pi/2", "Pi/3", "Pi/4", "Pi/6", "2Pi" by name, anything
// else read as a number. Throws Failure for a text that is not a number.
double spacingValue(const std::string& text);

// A grid spacing that is a fraction of π, as the spacing fields name them: num·π/den.
struct PiSpacing {
    int num = 0, den = 0;  // 0: the spacing is a plain number
    bool isPi() const { return den != 0; }
};

// "Pi" is 1·π/1, "Pi/2" 1·π/2, "2Pi" 2·π/1; any other text none.
PiSpacing piSpacing(const std::string& text);

// ZeichneHilfslinien without the on/off test and the mouse pointer: grid lines at every multiple
// of the spacings, counted outwards from the axes, inside the plot square. Leaves pen width 2
// after a complete drawing. A reversed or empty range, or a step width that is not positive,
// draws nothing. May throw Failure; lines already drawn stay.
void drawGrid(Surface& s, const Ranges& r, const std::string& xSpacing, const std::string& ySpacing,
              std::int32_t nullpunktX, std::int32_t nullpunktY, Colour colour);

}  // namespace plot
