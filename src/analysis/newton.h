#pragma once

#include "analysis/zerosearch.h"

namespace analysis {

struct NewtonResult {
    double x = 0;              // where the iteration stopped
    bool reachedZero = false;  // p(x) is 0 within rounding there
};

// Newton's method on p from start, at most maxSteps steps. It stops early where p is exactly
// 0, where p' is 0 (no step is possible), where a step no longer moves x, or where a value is
// no longer finite.
NewtonResult newton(const Polynomial& p, double start, int maxSteps = 100);

}  // namespace analysis
