#pragma once

#include "terms/evaluator_lanes.h"

namespace terms {

// roundTo15Digits for each of lanes::kCount values: out[i] for in[i].
void roundLanesTo15Digits(const double* in, double* out);

}  // namespace terms
