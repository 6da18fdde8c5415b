#pragma once

#include <cstdint>
#include <string>

#include "plot/ranges.h"
#include "plot/surface.h"

namespace plot {

// ZeichneAchsen: wipes the surface and draws the axis cross for the current ranges, publishing
// the window position of the world origin in nullpunktX and nullpunktY. A run-time failure ends
// it with pen width 1, keeping what was done; a variable whose computation failed keeps its old
// value. Never throws.
void drawAxes(Surface& s, const Ranges& r, const std::string& kreuzText, Colour axisColour,
              std::int32_t& nullpunktX, std::int32_t& nullpunktY);

}  // namespace plot
