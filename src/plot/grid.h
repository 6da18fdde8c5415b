#pragma once

#include <cstdint>

#include "plot/ranges.h"
#include "plot/spacing.h"
#include "plot/surface.h"

namespace plot {

// ZeichneHilfslinien without the on/off test and the mouse pointer: grid lines at every multiple
// of the spacings, counted outwards from the axes, inside the plot square. Leaves pen width 2
// after a complete drawing. A reversed or empty range, or a step width that is not positive,
// draws nothing. May throw Failure; lines already drawn stay.
void drawGrid(Surface& s, const Ranges& r, const Spacing& xSpacing, const Spacing& ySpacing,
              std::int32_t nullpunktX, std::int32_t nullpunktY, Colour colour);

}  // namespace plot
