#pragma once

#include <string>
#include <vector>

#include "analysis/results_table.h"

// The points of the result panel, to be marked on the curve of y.
namespace analysis {

struct MarkedPoint {
    PointKind kind;
    double x, y;
    std::string label;  // "N1", "E1 min", "W1", "Sy"; "N2, N3" for a double zero
};

// Every row of the panel that holds a point, in the panel's order; a zero shown twice (a double
// zero) is marked once with both its names, "#" and texts that are no numbers not at all.
std::vector<MarkedPoint> markedPoints(const ShownResults& shown);

}  // namespace analysis
