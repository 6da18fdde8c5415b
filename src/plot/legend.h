#pragma once

#include <functional>
#include <string>
#include <vector>

#include "plot/recording_surface.h"

// The legend over the plot: the colour and name of each curve drawn since the last wipe, in a box
// in one corner of the square. In window twips, like the primitives.
namespace plot {

using LegendEntry = RecordingSurface::NamedCurve;

struct Legend {
    std::vector<LegendEntry> entries;  // empty: no legend
    double left = 0, top = 0, width = 0, height = 0;
};

// The sizes of the box, in twips.
inline constexpr double kLegendInset = 90;    // from the square's edges
inline constexpr double kLegendPadding = 75;  // inside the box
inline constexpr double kLegendSample = 300;  // the line that shows the colour
inline constexpr double kLegendGap = 75;      // between the line and the name
inline constexpr double kLegendRow = 195;     // a row's height

// The entries once each (a curve drawn twice in the same colour is named once), in the order
// drawn, in the corner of the square where the box covers the fewest of the picture's points
// (a line counts by its ends and its middle); top right, top left, bottom right, bottom left on a
// tie. textWidth gives a name's width in twips as it is written.
Legend placeLegend(const std::vector<LegendEntry>& drawn,
                   const std::vector<RecordingSurface::Primitive>& picture,
                   const std::function<double(const std::string&)>& textWidth);

}  // namespace plot
