#pragma once

#include <cstdint>

#include "analysis/curve_analysis.h"
#include "plot/surface.h"

// The window's module-level variables, shared by its handlers. All start as 0 or false.
struct SharedState {
    std::int32_t NullpunktX = 0;  // window x (twips) of world x = 0: where the y-axis stands
    std::int32_t NullpunktY = 0;  // window y (twips) of world y = 0: where the x-axis stands
    Colour AchsenFarbe = 0;       // axis cross and grid lines
    // KoeffA .. KoeffE, Abl1A .. Abl3B, HGA .. HGD and Pi, as the curve analysis reads and
    // leaves them.
    analysis::SharedValues analysed;
    bool EingabeOK = false;
};
