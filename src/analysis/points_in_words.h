#pragma once

#include <string>
#include <vector>

#include "analysis/marked_points.h"

// The marked points as a screen reader says them: "Nullstellen N2 und N3 und Tiefpunkt E1 bei
// (3 | 0); Wendepunkt W1 bei (2 | 2)", in the panel's order, numbers in German notation. No
// points: "keine".
namespace analysis {

std::string pointsInWords(const std::vector<MarkedPoint>& points);

}  // namespace analysis
