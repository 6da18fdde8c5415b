#pragma once

#include <array>

#include "plot/surface.h"

namespace plot {

// How the window draws, held as its own state; the swatches and the option buttons show it.
struct DrawingStyle {
    bool yInLines = false;           // obStrich; obPunkt draws y in points
    std::array<Colour, 5> curves{};  // y, y', y'', y''', HG: the swatches lblF1 .. lblF5
    Colour background = 0;           // the plot square, shown by lblBG and lblHGF
};

}  // namespace plot
